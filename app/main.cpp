#include "app/program.h"

#include <QApplication>

#ifdef Q_OS_WIN
#include "app/working_folder.h"
#include "ui/message_box_prompter.h"
#endif

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
#ifdef Q_OS_WIN
    // Installed on Windows there is no launcher: the program fills the folder its shortcut starts it in
    // with the files it is shipped with, kept in "data" beside it, as the launcher does elsewhere.
    const QDir shipped(QApplication::applicationDirPath() + QStringLiteral("/data"));
    if (shipped.exists()) {
        if (const auto done = app::fillWorkingFolder(shipped, QDir::current()); !done.ok()) {
            ui::MessageBoxPrompter().ask(nullptr, ui::fileFailurePrompt(done.failure()));
            return 1;
        }
    }
#endif
    // Every file the program keeps lives in the folder it was started in.
    app::Program program(QDir::current());
    program.start();
    return QApplication::exec();
}
