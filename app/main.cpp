#include "app/program.h"

#include <QApplication>

#ifdef Q_OS_WIN
#include "app/working_folder.h"
#include "ui/message_box_prompter.h"

#include <QStandardPaths>
#endif

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
#ifdef Q_OS_WIN
    // Installed on Windows there is no launcher: the program finds its working folder itself, the one in
    // Documents when the Start menu shortcut asks for it, and fills it with the files it is shipped with,
    // kept in "data" beside it, as the launcher does elsewhere. The system's Documents folder is the one
    // it has now, wherever the user or OneDrive has moved it.
    const QDir shipped(QApplication::applicationDirPath() + QStringLiteral("/data"));
    if (shipped.exists()) {
        const core::Result<QString> folder = app::chooseWorkingFolder(QApplication::arguments(),
            QDir::currentPath(), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        const core::Result<void> entered
            = folder.ok() ? app::enterWorkingFolder(shipped, folder.value()) : folder.failure();
        if (!entered.ok()) {
            ui::MessageBoxPrompter().ask(nullptr, ui::fileFailurePrompt(entered.failure()));
            return 1;
        }
    }
#endif
    // Every file the program keeps lives in its working folder, the current folder from here on.
    app::Program program(QDir::current());
    program.start();
    return QApplication::exec();
}
