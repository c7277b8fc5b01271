// Saves on a disk with no room left, through links and over files of restricted permissions: what a
// POSIX system does to the program's saves, made real with the process's file size limit.
#include "core/line_file.h"
#include "file_size_limit.h"
#include "qt_printing.h"
#include "raw_file.h"
#include "row_name.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct FullDiskCase {
    const char* name;
    std::optional<QByteArray> before; // nothing: the file does not exist
    rlim_t room; // bytes a file may hold
    std::function<core::Result<void>(const QString&)> save;
};

void PrintTo(const FullDiskCase& row, std::ostream* out)
{
    *out << row.name;
}

class FullDisk : public testing::TestWithParam<FullDiskCase> { };

TEST_P(FullDisk, TheSaveFailsWithTheSystemsReasonAndTheFileStaysAsItWas)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("loto6.txt");
    if (GetParam().before)
        writeRaw(path, *GetParam().before);

    core::Result<void> saved;
    {
        const FileSizeLimit full(GetParam().room);
        saved = GetParam().save(path);
    }
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.failure().path, QDir::toNativeSeparators(path));
    EXPECT_EQ(saved.failure().reason, qt_error_string(EFBIG));
    if (GetParam().before)
        EXPECT_EQ(contentOf(path), *GetParam().before);
    else
        EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        GetParam().before ? QStringList {"loto6.txt"} : QStringList {});
}

const QByteArray kTwoEntries = "011522304143\r\n0102030405\r\n";
// More than the room left, which is more than the save's lock file takes.
const core::Lines kManyEntries(100, "011522304143");
constexpr rlim_t kRoomForTheLock = 512;

INSTANTIATE_TEST_SUITE_P(Writes, FullDisk,
    testing::Values(FullDiskCase {"RewriteThatFitsOnlyInPart", kTwoEntries, kRoomForTheLock,
                        [](const QString& path) { return core::saveLines(path, kManyEntries); }},
        FullDiskCase {"NewFileStaysAbsent", std::nullopt, kRoomForTheLock,
            [](const QString& path) { return core::appendLines(path, kManyEntries); }},
        FullDiskCase {"NoRoomForTheLock", kTwoEntries, 0,
            [](const QString& path) { return core::saveLines(path, {"011522304143"}); }}),
    rowName);

TEST(SaveFile, ALinkStaysALinkAndItsTargetGetsTheLines)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("kept/loto6.txt");
    const QString link = dir.filePath("loto6.txt");
    ASSERT_TRUE(QDir(dir.path()).mkdir("kept"));
    writeRaw(target, "0102030405\r\n");
    ASSERT_TRUE(QFile::link(target, link));

    EXPECT_TRUE(core::appendLines(link, {"011522304143"}).ok());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(contentOf(target), QByteArray("0102030405\r\n011522304143\r\n"));
}

TEST(SaveFile, ARewriteKeepsTheFilesPermissions)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ravelov1.ini");
    writeRaw(path, "old\r\n");
    const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
    ASSERT_TRUE(QFile::setPermissions(path, ownerOnly));

    EXPECT_TRUE(core::saveLines(path, {"new"}).ok());
    EXPECT_EQ(QFile::permissions(path), ownerOnly);
}

} // namespace
