// Writes the program's icon as PNG files for the desktop's icon theme, drawn by the same code as the
// window icon, so the menu and the running program show one picture.
// Usage: make_icon FOLDER SIZE... writes FOLDER/SIZE.png for each size.
#include "app/app_icon.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    // Drawing needs no screen, and the build may run where there is none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    QTextStream errors(stderr);
    if (arguments.size() < 3) {
        errors << "usage: make_icon FOLDER SIZE...\n";
        return 2;
    }
    const QDir folder(arguments.at(1));
    for (const QString& text : arguments.sliced(2)) {
        bool isNumber = false;
        const int size = text.toInt(&isNumber);
        const QString file = folder.filePath(text + QStringLiteral(".png"));
        if (!isNumber || size <= 0) {
            errors << "not a size in pixels: " << text << '\n';
            return 2;
        }
        if (!app::applicationPixmap(size).save(file, "PNG")) {
            errors << "cannot write " << file << '\n';
            return 1;
        }
    }
    return 0;
}
