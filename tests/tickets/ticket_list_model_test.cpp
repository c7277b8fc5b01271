#include "data_folder.h"
#include "qt_printing.h"
#include "row_name.h"
#include "tickets/ticket_list_model.h"

#include <gtest/gtest.h>

namespace {

using lotteries::Lottery;

struct RowCase {
    const char* name;
    Lottery lottery;
    QByteArray file;
    int rows;
    int row;
    QString listed;
};

class TicketRows : public testing::TestWithParam<RowCase>, protected DataFolder { };

TEST_P(TicketRows, ListTheLinesOfThePrintFile)
{
    const RowCase& c = GetParam();
    write("print.txt", c.file);
    tickets::TicketListModel list(lotteries::rulesOf(c.lottery), nullptr);
    EXPECT_TRUE(list.read(filePath("print.txt")).ok());
    EXPECT_EQ(list.rowCount(), c.rows);
    EXPECT_EQ(list.index(c.row).data().toString(), c.listed);
}

const QByteArray kThousandLines = QByteArray("123A\r\n").repeated(999) + "705C\r\n";

INSTANTIATE_TEST_SUITE_P(PrintFiles, TicketRows,
    testing::Values(RowCase {"First", Lottery::Numbers3, "123A\r\n705C\r\n", 2, 0, "  1  1-2-3.A"},
        RowCase {"LastWithoutLineEnd", Lottery::Numbers3, "123A\r\n705C", 2, 1, "  2  7-0-5.C"},
        RowCase {"PastTheLast", Lottery::Numbers3, "123A\r\n705C", 2, 2, ""},
        RowCase {"ShiftJis", Lottery::Numbers3, "123A\r\n\x83\x65\x83\x58\x83\x67\x82\x60\r\n", 2, 1,
            u"  2  テ-ス-ト.Ａ"_qs},
        // Half a character at a line's end is dropped and never joins the next line.
        RowCase {"HalfCharacterDropped", Lottery::Numbers3, "\x83\r\n705C\r\n", 2, 0, "  1  --."},
        RowCase {"LineAfterHalfCharacter", Lottery::Numbers3, "\x83\r\n705C\r\n", 2, 1, "  2  7-0-5.C"},
        RowCase {"Sequence999", Lottery::Numbers3, kThousandLines, 1000, 998, "999  1-2-3.A"},
        RowCase {"Sequence1000LastThreeDigits", Lottery::Numbers3, kThousandLines, 1000, 999, "000  7-0-5.C"},
        RowCase {
            "BlankLineIsARow", Lottery::Loto6, "011522304143\r\n\r\n010203040506\r\n", 3, 1, "  2  -----"},
        RowCase {"AfterBlankLine", Lottery::Loto6, "011522304143\r\n\r\n010203040506\r\n", 3, 2,
            "  3  01-02-03-04-05-06"},
        RowCase {"LoneLfEnds", Lottery::MiniLoto, "0102030405\n0109172531\n", 2, 1, "  2  01-09-17-25-31"},
        RowCase {"LoneCrEnds", Lottery::Numbers4, "1234A\r5678B\r", 2, 1, "  2  5-6-7-8.B"},
        RowCase {"LfThenCrIsTwoEnds", Lottery::Numbers4, "1234A\n\r5678B", 3, 1, "  2  ---."}),
    rowName);

} // namespace
