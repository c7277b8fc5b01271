// The launcher the program uses: processes started by Qt, links opened by the desktop's own opener.
#pragma once

#include "seams/launcher.h"

namespace app {

class DesktopLauncher final : public seams::Launcher {
public:
    bool startDetached(
        const QString& program, const QStringList& arguments, const QString& workingDirectory) override;
    bool openWithDefaultHandler(const QUrl& url) override;
    QString findProgram(const QString& nameOrPath) const override;
};

} // namespace app
