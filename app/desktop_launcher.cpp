#include "app/desktop_launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace app {

bool DesktopLauncher::startDetached(
    const QString& program, const QStringList& arguments, const QString& workingDirectory)
{
    return QProcess::startDetached(program, arguments, workingDirectory);
}

bool DesktopLauncher::openWithDefaultHandler(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

QString DesktopLauncher::findProgram(const QString& nameOrPath) const
{
    return QStandardPaths::findExecutable(nameOrPath);
}

} // namespace app
