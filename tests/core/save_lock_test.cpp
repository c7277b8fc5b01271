// Saves of one file from several places at once: every save is made to the file as it is on the disk, so
// none loses another's lines, and a save that cannot have the file in time fails and changes nothing.
#include "core/line_file.h"
#include "core/save_lock.h"
#include "data_folder.h"
#include "qt_printing.h"
#include "row_name.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <functional>
#include <gtest/gtest.h>

namespace {

class SaveLock : public testing::Test, protected DataFolder {
protected:
    QString lockPath() const { return filePath("loto6.txt") + core::kLockSuffix; }
};

struct WritersCase {
    const char* name;
    // Each writer's own working folder holds a link to one shared numbers4.txt.
    bool linkedFolders;
};

class TwoWriters : public SaveLock, public testing::WithParamInterface<WritersCase> { };

TEST_P(TwoWriters, AtOnceKeepEachOthersEntries)
{
    const QString shared = filePath("numbers4.txt");
    const auto folderOf = [&](const char* name) {
        if (!GetParam().linkedFolders)
            return m_dir.path();
        const QString folder = filePath(name);
        QDir().mkpath(folder);
        QFile::link(shared, QDir(folder).filePath("numbers4.txt"));
        return folder;
    };
    write("numbers4.txt", {});
    // 500 entries and 100 deletes each, from two processes, both at once.
    const auto start = [](const QString& folder, int first) {
        auto* writer = new QProcess;
        writer->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        writer->start(QStringLiteral(LOTOCARD_SAVE_WRITER), {folder, QString::number(first), "500"});
        return writer;
    };
    const std::unique_ptr<QProcess> writers[] = {std::unique_ptr<QProcess>(start(folderOf("one"), 1000)),
        std::unique_ptr<QProcess>(start(folderOf("two"), 5000))};
    for (const auto& writer : writers) {
        ASSERT_TRUE(writer->waitForFinished(300'000));
        EXPECT_EQ(writer->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(writer->exitCode(), 0);
    }

    QStringList expected;
    for (const int first : {1000, 5000}) {
        for (int i = 0; i < 500; ++i) {
            if (i % 5 != 2)
                expected.append(QStringLiteral("%1A").arg(first + i));
        }
    }
    QStringList held = QString::fromLatin1(content("numbers4.txt")).split(QStringLiteral("\r\n"));
    ASSERT_EQ(held.takeLast(), QString());
    held.sort();
    EXPECT_EQ(held.size(), 800);
    EXPECT_EQ(held, expected);
}

const WritersCase kWriters[] = {
    {"OneFolder", false},
#ifndef Q_OS_WIN
    // Links of Windows' own need rights that a user seldom has; QFile::link makes a shortcut there.
    {"LinksInTwoFolders", true},
#endif
};
INSTANTIATE_TEST_SUITE_P(Saves, TwoWriters, testing::ValuesIn(kWriters), rowName);

TEST_F(SaveLock, ASaveThatCannotHaveTheFileInTimeFailsAndChangesNothing)
{
    write("loto6.txt", "011522304143\r\n");
    QLockFile other(lockPath());
    ASSERT_TRUE(other.tryLock(0));

    const auto saved = core::appendLines(filePath("loto6.txt"), {"010203040506"});
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.failure().path, QDir::toNativeSeparators(filePath("loto6.txt")));
    EXPECT_EQ(saved.failure().reason,
        u"ほかの保存が 5 秒たっても終わりませんでした。しばらくしてからもう一度お試しください。"_qs);
    EXPECT_EQ(content("loto6.txt"), QByteArray("011522304143\r\n"));
}

TEST_F(SaveLock, ALockLeftByAnEndedProcessIsTakenOver)
{
    // The lock of a writer that ended in the middle of a save, as QLockFile left it on this system.
    QProcess ended;
    ended.start(QStringLiteral(LOTOCARD_SAVE_WRITER), {"--leave-lock", filePath("loto6.txt")});
    ASSERT_TRUE(ended.waitForFinished());
    ASSERT_EQ(ended.exitCode(), 0);
    ASSERT_TRUE(QFile::exists(lockPath()));
    write("loto6.txt", "011522304143\r\n");

    EXPECT_TRUE(core::appendLines(filePath("loto6.txt"), {"010203040506"}).ok());
    EXPECT_EQ(content("loto6.txt"), QByteArray("011522304143\r\n010203040506\r\n"));
    EXPECT_FALSE(QFile::exists(lockPath()));
}

struct NoOwnerCase {
    const char* name;
    std::function<void(const QString& lockPath)> make;
    bool takenOver; // else the save fails at once, naming the lock
};

class LockWithoutOwner : public SaveLock, public testing::WithParamInterface<NoOwnerCase> { };

TEST_P(LockWithoutOwner, IsTakenOverOrNamedAtOnce)
{
    write("loto6.txt", "011522304143\r\n");
    GetParam().make(lockPath());
    QElapsedTimer clock;
    clock.start();
    const auto saved = core::appendLines(filePath("loto6.txt"), {"010203040506"});
    EXPECT_LT(clock.elapsed(), 1000);
    if (GetParam().takenOver) {
        EXPECT_TRUE(saved.ok());
        EXPECT_EQ(content("loto6.txt"), QByteArray("011522304143\r\n010203040506\r\n"));
        EXPECT_FALSE(QFileInfo::exists(lockPath()));
        return;
    }
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.failure().path, QDir::toNativeSeparators(lockPath()));
    EXPECT_EQ(content("loto6.txt"), QByteArray("011522304143\r\n"));
}

const NoOwnerCase kNoOwners[] = {
    {"AFolder", [](const QString& lock) { QDir().mkdir(lock); }, false},
    {"AnEmptyFileLongLeft",
        [](const QString& lock) {
            QFile file(lock);
            file.open(QIODevice::WriteOnly);
            file.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
        },
        true},
#ifndef Q_OS_WIN
    {"ALinkToNothing", [](const QString& lock) { QFile::link(lock + ".gone", lock); }, true},
#endif
};
INSTANTIATE_TEST_SUITE_P(Locks, LockWithoutOwner, testing::ValuesIn(kNoOwners), rowName);

} // namespace
