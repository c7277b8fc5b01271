#include "app/app_info.h"
#include "app/desktop_launcher.h"
#include "app/message_box_prompter.h"
#include "app/navigator.h"
#include "app/window_layout.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setFont(app::proportionalFont(app::kDefaultFontPoints));

    app::MessageBoxPrompter prompter;
    app::DesktopLauncher launcher;
    // Every file the program keeps lives in the folder it was started in.
    app::Navigator navigator({prompter, launcher, QDir::current()});
    navigator.loadMain();
    return QApplication::exec();
}
