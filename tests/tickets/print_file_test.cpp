#include "data_folder.h"
#include "qt_printing.h"
#include "tickets/print_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using tickets::Lottery;
using tickets::PrintFile;

class PrintFileTest : public testing::Test, protected DataFolder {
protected:
    PrintFile file(Lottery lottery) const { return PrintFile(tickets::rulesOf(lottery), QDir(m_dir.path())); }
};

struct RemoveCase {
    const char* name;
    QByteArray before;
    qsizetype index;
    QByteArray after;
};

class RemoveLine : public PrintFileTest, public testing::WithParamInterface<RemoveCase> { };

TEST_P(RemoveLine, DropsTheLineAndBlankLinesKeepingTheRestByteForByte)
{
    write("numbers3.txt", GetParam().before);
    EXPECT_FALSE(file(Lottery::Numbers3).remove(GetParam().index));
    EXPECT_EQ(content("numbers3.txt"), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Lines, RemoveLine,
    testing::Values(RemoveCase {"OnlyEntry", "123A\r\n", 0, ""},
        RemoveCase {"MiddleOfThree", "123A\r\n456B\r\n789C\r\n", 1, "123A\r\n789C\r\n"},
        RemoveCase {"LastWithoutLineEnd", "123A\r\n456B", 1, "123A\r\n"},
        RemoveCase {"BlankLinesDropped", "123A\r\n\r\n456B\n\n789C\r\n", 4, "123A\r\n456B\r\n"},
        RemoveCase {
            "HandWrittenBytesKept", "\x83\x65\x83\x58\r\n123A\r\n 1 \r\n", 1, "\x83\x65\x83\x58\r\n 1 \r\n"},
        RemoveCase {"LineEndsBecomeCrLf", "123A\n456B\r789C", 0, "456B\r\n789C\r\n"},
        RemoveCase {"CrLfLinesAfterALoneLf", "123A\n456B\r\n789C\r\n012A\r\n", 3, "123A\r\n456B\r\n789C\r\n"},
        RemoveCase {"FirstOfCrLfLines", "123A\r\n456B\r\n789C\r\n", 0, "456B\r\n789C\r\n"},
        RemoveCase {"PastTheLastLine", "123A\r\n456B", 2, "123A\r\n456B\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PrintFileTest, RemoveWorksPastTwoThousandLines)
{
    core::Lines lines;
    for (int i = 0; i < 2500; ++i)
        lines.append(QByteArray::number(1000 + i % 9000) + 'A');
    write("numbers4.txt", core::joinLines(lines));

    EXPECT_FALSE(file(Lottery::Numbers4).remove(2400));
    lines.removeAt(2400);
    EXPECT_EQ(content("numbers4.txt"), core::joinLines(lines));
}

TEST_F(PrintFileTest, AFolderInPlaceOfThePrintFileFailsEveryOperation)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("loto6.txt"));
    const PrintFile loto6 = file(Lottery::Loto6);
    core::IndexedLines lines;
    EXPECT_TRUE(lines.read(loto6.path()));
    EXPECT_TRUE(loto6.append({"011522304143"}));
    EXPECT_TRUE(loto6.remove(0));
    EXPECT_TRUE(loto6.clear());
    EXPECT_TRUE(QFileInfo(m_dir.filePath("loto6.txt")).isDir());
}

} // namespace
