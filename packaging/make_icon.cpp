// Writes the program's icon, drawn by the same code as the window icon, so the menu and the running
// program show one picture: as PNG files for the desktop's icon theme, or as the icon file that Windows
// shows for the program file, its shortcut and its entry in the list of installed apps.
// Usage: make_icon FOLDER SIZE... writes FOLDER/SIZE.png for each size.
//        make_icon --ico FILE SIZE... writes FILE with one picture of each size.
#include "app/app_icon.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

namespace {

QByteArray png(int size)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    app::applicationPixmap(size).save(&buffer, "PNG");
    return bytes;
}

// An icon file of PNG pictures, as Windows has read them since Vista: a header, an entry for each
// picture, then the pictures.
QByteArray iconFile(const QList<int>& sizes)
{
    constexpr int kHeader = 6;
    constexpr int kEntry = 16;
    constexpr int kLargestByte = 255; // 256 pixels are written as 0
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(sizes.size());
    QList<QByteArray> pictures;
    quint32 offset = kHeader + kEntry * sizes.size();
    for (const int size : sizes) {
        pictures.append(png(size));
        const auto side = quint8(size > kLargestByte ? 0 : size);
        out << side << side << quint8(0) << quint8(0) << quint16(1) << quint16(32)
            << quint32(pictures.last().size()) << offset;
        offset += pictures.last().size();
    }
    for (const QByteArray& picture : pictures)
        out.writeRawData(picture.constData(), static_cast<int>(picture.size()));
    return bytes;
}

} // namespace

int main(int argc, char* argv[])
{
    // Drawing needs no screen, and the build may run where there is none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    QStringList arguments = QGuiApplication::arguments();
    QTextStream errors(stderr);
    const bool icon = arguments.size() > 1 && arguments.at(1) == QStringLiteral("--ico");
    if (icon)
        arguments.removeAt(1);
    if (arguments.size() < 3) {
        errors << "usage: make_icon [--ico FILE | FOLDER] SIZE...\n";
        return 2;
    }
    QList<int> sizes;
    for (const QString& text : arguments.sliced(2)) {
        bool isNumber = false;
        sizes.append(text.toInt(&isNumber));
        if (!isNumber || sizes.last() <= 0 || (icon && sizes.last() > 256)) {
            errors << "not a size in pixels: " << text << '\n';
            return 2;
        }
    }
    if (icon) {
        QFile file(arguments.at(1));
        if (!file.open(QIODevice::WriteOnly) || file.write(iconFile(sizes)) < 0) {
            errors << "cannot write " << file.fileName() << '\n';
            return 1;
        }
        return 0;
    }
    const QDir folder(arguments.at(1));
    for (const int size : sizes) {
        const QString file = folder.filePath(QString::number(size) + QStringLiteral(".png"));
        if (!app::applicationPixmap(size).save(file, "PNG")) {
            errors << "cannot write " << file << '\n';
            return 1;
        }
    }
    return 0;
}
