// Writing into a folder the user may not write to. Root ignores folder permissions, so ctest runs
// these cases once more as an unprivileged user (tests/run_unprivileged.sh).
#include "core/line_file.h"
#include "core/save_lock.h"
#include "qt_printing.h"
#include "settings/program_settings.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class ReadOnlyFolder : public testing::Test {
protected:
    void SetUp() override
    {
        if (geteuid() == 0)
            GTEST_SKIP() << "root may write into a read-only folder; the unprivileged run covers this";
        ASSERT_TRUE(m_dir.isValid());
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kOld);
        file.close();
        ASSERT_TRUE(QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    }

    void TearDown() override
    {
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString path() const { return m_dir.filePath("loto6.txt"); }

    QByteArray content() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    static constexpr char kOld[] = "011522304143\r\n0102030405";
    QTemporaryDir m_dir;
};

TEST_F(ReadOnlyFolder, AppendFailsAndLeavesTheFileAsItWas)
{
    const auto saved = core::appendLines(path(), {"010203040506"});
    ASSERT_FALSE(saved.ok());
    EXPECT_FALSE(saved.failure().reason.isEmpty());
    EXPECT_EQ(content(), QByteArray(kOld));
}

TEST_F(ReadOnlyFolder, RewriteFailsAndLeavesTheFileAsItWas)
{
    EXPECT_FALSE(core::saveLines(path(), {"011522304143"}).ok());
    EXPECT_EQ(content(), QByteArray(kOld));
}

TEST_F(ReadOnlyFolder, TruncationFailsAndLeavesTheFileAsItWas)
{
    EXPECT_FALSE(core::saveFile(path(), {}).ok());
    EXPECT_EQ(content(), QByteArray(kOld));
}

TEST_F(ReadOnlyFolder, AMissingFileCannotBeCreated)
{
    EXPECT_FALSE(core::ensureFileExists(m_dir.filePath("miniloto.txt")).ok());
    EXPECT_FALSE(QFile::exists(m_dir.filePath("miniloto.txt")));
}

TEST_F(ReadOnlyFolder, APrinterChoiceThatCannotBeKeptLeavesTheOldOne)
{
    const QString ini = m_dir.filePath("lotocard.ini");
    ASSERT_TRUE(QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[printer]\nname=office\n");
    file.close();
    ASSERT_TRUE(QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner));

    const auto saved = settings::saveChosenPrinter(QDir(m_dir.path()), "office/cards");
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.failure().path, QDir::toNativeSeparators(ini));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[printer]\nname=office\n"));
}

// Left by a copy that ended in the middle of a save, before the folder became read-only: it cannot be
// taken over, and waiting would never help.
TEST_F(ReadOnlyFolder, ALockThatCannotBeTakenOverIsNamedAtOnce)
{
    const QString lock = path() + core::kLockSuffix;
    ASSERT_TRUE(QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const pid_t copy = fork();
    if (copy == 0)
        _exit(QLockFile(lock).tryLock(0) ? 0 : 1);
    int status = -1;
    ASSERT_EQ(waitpid(copy, &status, 0), copy);
    ASSERT_EQ(status, 0);
    ASSERT_TRUE(QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner));

    QElapsedTimer clock;
    clock.start();
    const auto saved = core::appendLines(path(), {"010203040506"});
    EXPECT_LT(clock.elapsed(), 1000);
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.failure().path, QDir::toNativeSeparators(lock));
    EXPECT_TRUE(saved.failure().reason.startsWith(u"Permission denied\n"_qs))
        << saved.failure().reason.toStdString();
    EXPECT_EQ(content(), QByteArray(kOld));
}

} // namespace
