#include "app/working_folder.h"
#include "data_folder.h"
#include "qt_printing.h"
#include "raw_file.h"

#include <gtest/gtest.h>

namespace {

class WorkingFolder : public testing::Test, protected DataFolder {
protected:
    const QDir m_shipped {QStringLiteral(LOTOCARD_DATA_DIR)};
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

} // namespace
