#include "app/readme.h"

namespace app {

bool openReadme(seams::Launcher& launcher, const QDir& dataDir, HostPlatform platform)
{
    const QString file = QString::fromLatin1(kReadmeFile);
    // Notepad is on every Windows machine; elsewhere the desktop knows the user's editor for text.
    if (platform == HostPlatform::Windows)
        return launcher.startDetached(QStringLiteral("notepad"), {file}, dataDir.absolutePath());
    return launcher.openWithDefaultHandler(QUrl::fromLocalFile(dataDir.absoluteFilePath(file)));
}

} // namespace app
