#include "app/readme.h"
#include "fakes.h"
#include "qt_printing.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using fakes::RecordingLauncher;

TEST(OpenReadme, StartsNotepadOnWindowsInTheDataFolder)
{
    RecordingLauncher launcher;
    const QDir dataDir("/work/data");
    EXPECT_TRUE(app::openReadme(launcher, dataDir, app::HostPlatform::Windows));
    EXPECT_EQ(launcher.started, QList<QStringList>({{"notepad", "readme.txt", dataDir.absolutePath()}}));
    EXPECT_TRUE(launcher.opened.isEmpty());
}

TEST(OpenReadme, OpensTheFileWithTheDesktopsEditorElsewhere)
{
    RecordingLauncher launcher;
    EXPECT_TRUE(app::openReadme(launcher, QDir("/work/data"), app::HostPlatform::Other));
    EXPECT_EQ(launcher.opened, QList<QUrl>({QUrl::fromLocalFile("/work/data/readme.txt")}));
    EXPECT_TRUE(launcher.started.isEmpty());
}

TEST(OpenReadme, ReportsAnEditorThatCannotBeStarted)
{
    RecordingLauncher launcher;
    launcher.succeeds = false;
    EXPECT_FALSE(app::openReadme(launcher, QDir("/work/data"), app::HostPlatform::Windows));
    EXPECT_FALSE(app::openReadme(launcher, QDir("/work/data"), app::HostPlatform::Other));
}

} // namespace
