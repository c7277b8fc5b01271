// Starting other programs: the text editor, the browser and the system information tool.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace seams {

class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts a program and returns at once; false when it could not be started.
    virtual bool startDetached(
        const QString& program, const QStringList& arguments, const QString& workingDirectory)
        = 0;
    // Opens a file or address with the desktop's default handler; false when none could be started.
    virtual bool openWithDefaultHandler(const QUrl& url) = 0;
    // The full path of an installed program, given by name (looked up on PATH) or by path; empty when
    // there is no such program.
    virtual QString findProgram(const QString& nameOrPath) const = 0;
};

} // namespace seams
