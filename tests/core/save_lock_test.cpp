// Saves of one file from several places at once: every save is made to the file as it is on the disk, so
// none loses another's lines, and a save that cannot have the file in time fails and changes nothing.
#include "core/line_file.h"
#include "data_folder.h"
#include "qt_printing.h"

#include <QLockFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

class SaveLock : public testing::Test, protected DataFolder {
protected:
    QString lockPath() const { return filePath("loto6.txt") + core::kLockSuffix; }
};

TEST_F(SaveLock, TwoWritersAtOnceKeepEachOthersEntries)
{
    // 500 entries and 100 deletes each, from two processes, both at once.
    const auto start = [this](int first) {
        auto* writer = new QProcess;
        writer->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        writer->start(QStringLiteral(LOTOCARD_SAVE_WRITER), {m_dir.path(), QString::number(first), "500"});
        return writer;
    };
    const std::unique_ptr<QProcess> writers[]
        = {std::unique_ptr<QProcess>(start(1000)), std::unique_ptr<QProcess>(start(5000))};
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

} // namespace
