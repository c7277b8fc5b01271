#include "app/working_folder.h"
#include "data_folder.h"
#include "qt_printing.h"
#include "raw_file.h"

#include <gtest/gtest.h>

namespace {

class WorkingFolder : public testing::Test, protected DataFolder {
protected:
    void TearDown() override { QDir::setCurrent(m_started); }

    const QDir m_shipped {QStringLiteral(LOTOCARD_DATA_DIR)};
    const QString m_started = QDir::currentPath();
};

TEST_F(WorkingFolder, TheFirstStartCopiesWhatIsMissingAndKeepsWhatTheUserChanged)
{
    write("ravelov1.ini", "changed\r\n");
    EXPECT_TRUE(app::fillWorkingFolder(m_shipped, QDir(m_dir.path())).ok());
    EXPECT_EQ(content("ravelov1.ini"), QByteArray("changed\r\n"));
    for (const char* name : {"quick.dat", "readme.txt"})
        EXPECT_EQ(content(name), contentOf(m_shipped.filePath(QString::fromLatin1(name)))) << name;
}

TEST_F(WorkingFolder, AShippedFileThatCannotBeReadIsNamed)
{
    const QTemporaryDir broken;
    const auto saved = app::fillWorkingFolder(QDir(broken.path()), QDir(m_dir.path()));
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.failure().path, QDir::toNativeSeparators(QDir(broken.path()).filePath("quick.dat")));
    EXPECT_FALSE(QFile::exists(filePath("quick.dat")));
}

TEST_F(WorkingFolder, TheDocumentsOptionChoosesLotocardInDocumentsAndNothingElseLeavesTheStartFolder)
{
    const struct {
        QStringList arguments;
        QString chosen;
    } cases[] = {
        {{"lotocard.exe"}, "/start"}, {{"lotocard.exe", "--documents"}, "/moved/Documents/lotocard"},
        {{"--documents"}, "/start"}, // the program's own name is no option
    };
    for (const auto& [arguments, chosen] : cases) {
        const auto folder = app::chooseWorkingFolder(arguments, "/start", "/moved/Documents");
        ASSERT_TRUE(folder.ok()) << arguments.join(' ').toStdString();
        EXPECT_EQ(folder.value(), chosen) << arguments.join(' ').toStdString();
    }
    EXPECT_FALSE(app::chooseWorkingFolder({"lotocard.exe", "--documents"}, "/start", "").ok());
}

TEST_F(WorkingFolder, AMissingFolderIsMadeFilledAndEntered)
{
    // Read first: on Windows the shipped folder's path has no drive, and the folder entered is on another.
    const QByteArray shipped = contentOf(m_shipped.filePath("quick.dat"));
    const QString folder = m_dir.filePath("Documents/lotocard");
    ASSERT_TRUE(app::enterWorkingFolder(m_shipped, folder).ok());
    EXPECT_EQ(QDir::current(), QDir(folder));
    EXPECT_EQ(contentOf(QDir(folder).filePath("quick.dat")), shipped);
}

TEST_F(WorkingFolder, AFolderThatCannotBeMadeIsNamedAndNotEntered)
{
    write("Documents", "a file where the folder would be");
    const QString folder = m_dir.filePath("Documents/lotocard");
    const auto entered = app::enterWorkingFolder(m_shipped, folder);
    ASSERT_FALSE(entered.ok());
    EXPECT_EQ(entered.failure().path, QDir::toNativeSeparators(folder));
    EXPECT_FALSE(entered.failure().reason.isEmpty());
    EXPECT_EQ(QDir::currentPath(), m_started);
}

} // namespace
