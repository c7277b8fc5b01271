#include "data_folder.h"
#include "lotteries/print_file.h"
#include "qt_printing.h"
#include "row_name.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using lotteries::Lottery;
using lotteries::PrintFile;

class PrintFileTest : public testing::Test, protected DataFolder {
protected:
    PrintFile file(Lottery lottery) const
    {
        return PrintFile(lotteries::rulesOf(lottery), QDir(m_dir.path()));
    }
};

struct RemoveCase {
    const char* name;
    QByteArray before;
    QByteArray line;
    QByteArray after;
    bool removed = true;
};

class RemoveLine : public PrintFileTest, public testing::WithParamInterface<RemoveCase> { };

TEST_P(RemoveLine, DropsTheFirstLineWithTheTextAndBlankLinesKeepingTheRestByteForByte)
{
    write("numbers3.txt", GetParam().before);
    const core::Result<bool> removed = file(Lottery::Numbers3).remove(GetParam().line);
    ASSERT_TRUE(removed.ok());
    EXPECT_EQ(removed.value(), GetParam().removed);
    EXPECT_EQ(content("numbers3.txt"), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Lines, RemoveLine,
    testing::Values(RemoveCase {"OnlyEntry", "123A\r\n", "123A", ""},
        RemoveCase {"MiddleOfThree", "123A\r\n456B\r\n789C\r\n", "456B", "123A\r\n789C\r\n"},
        RemoveCase {"LastWithoutLineEnd", "123A\r\n456B", "456B", "123A\r\n"},
        RemoveCase {"BlankLinesDropped", "123A\r\n\r\n456B\n\n789C\r\n", "789C", "123A\r\n456B\r\n"},
        RemoveCase {"HandWrittenBytesKept", "\x83\x65\x83\x58\r\n123A\r\n 1 \r\n", "123A",
            "\x83\x65\x83\x58\r\n 1 \r\n"},
        RemoveCase {"LineEndsBecomeCrLf", "123A\n456B\r789C", "123A", "456B\r\n789C\r\n"},
        RemoveCase {
            "CrLfLinesAfterALoneLf", "123A\n456B\r\n789C\r\n012A\r\n", "012A", "123A\r\n456B\r\n789C\r\n"},
        RemoveCase {"FirstOfCrLfLines", "123A\r\n456B\r\n789C\r\n", "123A", "456B\r\n789C\r\n"},
        RemoveCase {"OnlyTheFirstOfTwoAlike", "123A\r\n456B\r\n123A\r\n", "123A", "456B\r\n123A\r\n"},
        RemoveCase {"NotThereChangesNothing", "123A\r\n\r\n456B", "789C", "123A\r\n\r\n456B", false},
        RemoveCase {"TextMustMatchWhole", "123A\r\n 456B\r\n", "456B", "123A\r\n 456B\r\n", false}),
    rowName);

TEST_F(PrintFileTest, RemoveWorksPastTwoThousandLines)
{
    core::Lines lines;
    for (int i = 0; i < 2500; ++i)
        lines.append(QByteArray::number(1000 + i) + 'A');
    write("numbers4.txt", core::joinLines(lines));

    EXPECT_TRUE(file(Lottery::Numbers4).remove("3400A").value());
    lines.removeAt(2400);
    EXPECT_EQ(content("numbers4.txt"), core::joinLines(lines));
}

TEST_F(PrintFileTest, AFolderInPlaceOfThePrintFileFailsEveryOperation)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("loto6.txt"));
    const PrintFile loto6 = file(Lottery::Loto6);
    core::IndexedLines lines;
    EXPECT_FALSE(lines.read(loto6.path()).ok());
    EXPECT_FALSE(loto6.append({"011522304143"}).ok());
    EXPECT_FALSE(loto6.remove("011522304143").ok());
    EXPECT_FALSE(loto6.clear().ok());
    EXPECT_TRUE(QFileInfo(m_dir.filePath("loto6.txt")).isDir());
}

} // namespace
