// Saves while another program holds the file open, as virus scanners, the search indexer and sync
// clients do on Windows for moments after every write, and as another copy of the program does while it
// lists the file. The other program is a real second process.
#include "core/atomic_save.h"
#include "core/line_file.h"
#include "data_folder.h"
#include "qt_printing.h"

#include <QElapsedTimer>
#include <QProcess>
#include <gtest/gtest.h>
#include <windows.h>

namespace {

class HeldFile : public testing::Test, protected DataFolder {
protected:
    void SetUp() override { write("loto6.txt", kOld); }

    // Starts the other process and comes back once it has the file open.
    void start(const QStringList& arguments, const char* says)
    {
        m_other.start(QStringLiteral(LOTOCARD_SAVE_WRITER), arguments);
        ASSERT_TRUE(m_other.waitForReadyRead(30'000));
        ASSERT_EQ(m_other.readLine().trimmed(), QByteArray(says));
    }
    void hold(int milliseconds)
    {
        start({"--hold", filePath("loto6.txt"), QString::number(milliseconds)}, "held");
    }
    core::Result<void> append() { return core::appendLines(filePath("loto6.txt"), {"010203040506"}); }
    QStringList leftBehind() const { return QDir(m_dir.path()).entryList(QDir::Files); }

    static constexpr char kOld[] = "011522304143\r\n";
    QProcess m_other;
};

TEST_F(HeldFile, HeldForAMomentTheSaveLands)
{
    hold(500);
    EXPECT_TRUE(append().ok());
    EXPECT_EQ(content("loto6.txt"), QByteArray("011522304143\r\n010203040506\r\n"));
    EXPECT_TRUE(m_other.waitForFinished());
}

TEST_F(HeldFile, HeldPastTheWaitTheSaveFailsAndTheNextOneLands)
{
    hold(static_cast<int>(core::kReplaceWait.count()) + 3000);
    QElapsedTimer clock;
    clock.start();
    const auto saved = append();
    EXPECT_LT(clock.elapsed(), core::kReplaceWait.count() + 1000);
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.failure().path, QDir::toNativeSeparators(filePath("loto6.txt")));
    EXPECT_TRUE(saved.failure().reason.startsWith(u"ほかのプログラム（ウイルス対策ソフト"_qs));
    EXPECT_EQ(content("loto6.txt"), QByteArray(kOld));
    EXPECT_EQ(leftBehind(), QStringList({"loto6.txt"}));

    ASSERT_TRUE(m_other.waitForFinished());
    EXPECT_TRUE(append().ok());
    EXPECT_EQ(content("loto6.txt"), QByteArray("011522304143\r\n010203040506\r\n"));
}

TEST_F(HeldFile, AnotherCopyReadingNeverMakesASaveFail)
{
    start({"--read", filePath("loto6.txt"), "2000"}, "read");
    for (int i = 0; i < 100 && m_other.state() == QProcess::Running; ++i)
        ASSERT_TRUE(core::saveFile(filePath("loto6.txt"), kOld).ok()) << "save " << i;
    EXPECT_TRUE(m_other.waitForFinished());
    EXPECT_EQ(m_other.exitCode(), 0);
}

TEST_F(HeldFile, AReadOnlyFileIsSaidSoAndKeepsItsAttribute)
{
    const std::wstring path = QDir::toNativeSeparators(filePath("loto6.txt")).toStdWString();
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
    const auto saved = append();
    const DWORD attributes = GetFileAttributesW(path.c_str());
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_FALSE(saved.ok());
    EXPECT_TRUE(saved.failure().reason.startsWith(u"ファイルが読み取り専用になっています。"_qs));
    EXPECT_NE(attributes & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(content("loto6.txt"), QByteArray(kOld));
}

} // namespace
