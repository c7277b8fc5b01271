#include "core/line_file.h"
#include "qt_printing.h"
#include "raw_file.h"
#include "row_name.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct SplitCase {
    const char* name;
    QByteArray bytes;
    core::Lines lines;
};

class SplitLines : public testing::TestWithParam<SplitCase> { };

TEST_P(SplitLines, EndsLinesAtCrLfLoneLfAndLoneCr)
{
    EXPECT_EQ(core::splitLines(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Bytes, SplitLines,
    testing::Values(SplitCase {"Empty", "", {}}, SplitCase {"CrLf", "ab\r\ncd\r\n", {"ab", "cd"}},
        SplitCase {"LoneLf", "ab\ncd\n", {"ab", "cd"}}, SplitCase {"LoneCr", "ab\rcd\r", {"ab", "cd"}},
        SplitCase {"LastLineWithoutEnd", "ab\r\ncd", {"ab", "cd"}},
        SplitCase {"BlankLinesKept", "ab\r\n\r\n\ncd\r\n", {"ab", "", "", "cd"}},
        SplitCase {"LfThenCrIsTwoEnds", "ab\n\rcd", {"ab", "", "cd"}},
        SplitCase {"OnlyALineEnd", "\r\n", {""}},
        SplitCase {"ShiftJisBytesUntouched", "\x83\x65\x83\x58\x83\x67\r\n", {"\x83\x65\x83\x58\x83\x67"}}),
    rowName);

TEST(JoinLines, EndsEveryLineWithCrLf)
{
    EXPECT_EQ(core::joinLines({"ab", "", "cd"}), QByteArray("ab\r\n\r\ncd\r\n"));
    EXPECT_EQ(core::joinLines({}), QByteArray());
}

struct AppendCase {
    const char* name;
    std::optional<QByteArray> before; // nothing: the file does not exist
    QByteArray after;
};

class AppendLines : public testing::TestWithParam<AppendCase> { };

TEST_P(AppendLines, AddsTheLineOnALineOfItsOwn)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("loto6.txt");
    if (GetParam().before)
        writeRaw(path, *GetParam().before);
    EXPECT_TRUE(core::appendLines(path, {"011522304143"}).ok());
    EXPECT_EQ(contentOf(path), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(OldContent, AppendLines,
    testing::Values(AppendCase {"MissingFileIsCreated", std::nullopt, "011522304143\r\n"},
        AppendCase {"EmptyFile", QByteArray(), "011522304143\r\n"},
        AppendCase {"AfterCrLf", "0102030405\r\n", "0102030405\r\n011522304143\r\n"},
        AppendCase {"LastLineWithoutEndGetsOne", "0102030405", "0102030405\r\n011522304143\r\n"},
        AppendCase {"LoneLfKept", "0102030405\n", "0102030405\n011522304143\r\n"},
        AppendCase {"LoneCrKept", "0102030405\r", "0102030405\r011522304143\r\n"}),
    rowName);

TEST(FileFailures, AFolderWhereTheFileShouldBeIsReportedAndLeftAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("loto6.txt");
    ASSERT_TRUE(QDir(dir.path()).mkdir("loto6.txt"));
    ASSERT_TRUE(QDir(path).mkdir("inside"));

    const auto read = core::readLines(path);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.failure().path, QDir::toNativeSeparators(path));
    EXPECT_FALSE(read.failure().reason.isEmpty());
    EXPECT_FALSE(core::saveFile(path, "x\r\n").ok());
    EXPECT_FALSE(core::appendLines(path, {"x"}).ok());
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_TRUE(QFileInfo::exists(path + "/inside"));
}

TEST(FileFailures, AFolderThatIsAFileCannotHoldANewFile)
{
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath("data");
    writeRaw(notAFolder, "keep\r\n");
    const QString path = notAFolder + "/loto6.txt";

    const auto saved = core::ensureFileExists(path);
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.failure().path, QDir::toNativeSeparators(path));
    EXPECT_FALSE(core::appendLines(path, {"x"}).ok());
    EXPECT_FALSE(core::readLines(path).ok());
    EXPECT_EQ(contentOf(notAFolder), QByteArray("keep\r\n"));
}

} // namespace
