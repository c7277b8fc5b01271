#include "app/app_icon.h"
#include "app/app_info.h"
#include "app/desktop_launcher.h"
#include "app/message_box_prompter.h"
#include "app/navigator.h"
#include "app/system_info.h"
#include "app/window_layout.h"
#include "cards/painter_surface.h"
#include "quick/seams.h"

#ifdef Q_OS_WIN
#include "app/win32_registry.h"
#endif

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setFont(app::proportionalFont(app::kDefaultFontPoints));
    QApplication::setWindowIcon(app::applicationIcon());
    // The whole program speaks Japanese, so Qt's own words (はい, いいえ) do too, whatever the locale.
    QTranslator qtWords;
    if (qtWords.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtWords);

    app::MessageBoxPrompter prompter;
    app::DesktopLauncher launcher;
#ifdef Q_OS_WIN
    const app::Win32Registry registry;
#else
    const app::NoRegistry registry;
#endif
    cards::PainterSurface printer(std::make_unique<cards::DefaultPrinterSheets>());
    // Every file the program keeps lives in the folder it was started in.
    quick::ClockSeededRandom random;
    quick::SystemClock clock;
    app::Navigator navigator({prompter, launcher, registry, printer, random, clock, QDir::current()});
    navigator.loadMain();
    return QApplication::exec();
}
