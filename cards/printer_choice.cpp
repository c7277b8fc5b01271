#include "cards/printer_choice.h"

#include "core/line_file.h"

#include <QFileInfo>

namespace cards {

namespace {

constexpr QStringView kGroup = u"printer";
constexpr QStringView kKey = u"name";

QString filePath(const QDir& dataDir)
{
    return dataDir.filePath(QString::fromLatin1(kProgramSettingsFile));
}

// Where the choice stands in the file's lines: the line of the key, or of the group that lacks it.
struct Place {
    qsizetype group = -1;
    qsizetype key = -1;
    QString value;
};

// Group and key are matched as a person may have typed them: blanks around them and any case.
Place find(const core::Lines& lines)
{
    Place place;
    bool inGroup = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines[i]).trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            inGroup = line.sliced(1, line.size() - 2).trimmed().compare(kGroup, Qt::CaseInsensitive) == 0;
            if (inGroup && place.group < 0)
                place.group = i;
            continue;
        }
        if (!inGroup || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals > 0 && line.first(equals).trimmed().compare(kKey, Qt::CaseInsensitive) == 0) {
            place.key = i;
            place.value = line.sliced(equals + 1).trimmed();
            return place;
        }
    }
    return place;
}

core::FileResult<core::Lines> readLinesIfAny(const QString& path)
{
    if (!QFileInfo::exists(path))
        return core::Lines();
    return core::readLines(path);
}

} // namespace

core::FileResult<QString> readChosenPrinter(const QDir& dataDir)
{
    const core::FileResult<core::Lines> lines = readLinesIfAny(filePath(dataDir));
    if (!lines.ok())
        return lines.failure();
    return find(lines.value()).value;
}

std::optional<core::FileFailure> saveChosenPrinter(const QDir& dataDir, const QString& name)
{
    const QString path = filePath(dataDir);
    const core::FileResult<core::Lines> read = readLinesIfAny(path);
    if (!read.ok())
        return read.failure();
    core::Lines lines = read.value();
    const Place place = find(lines);
    if (place.value == name)
        return std::nullopt;
    const QByteArray keyLine = kKey.toLatin1() + '=' + name.toUtf8();
    if (place.key >= 0) {
        lines[place.key] = keyLine;
    } else if (place.group >= 0) {
        lines.insert(place.group + 1, keyLine);
    } else {
        lines.append('[' + kGroup.toLatin1() + ']');
        lines.append(keyLine);
    }
    return core::saveLines(path, lines);
}

std::variant<QString, core::FileFailure, MissingPrinter> printerInUse(
    const QDir& dataDir, const Printers& printers)
{
    const core::FileResult<QString> chosen = readChosenPrinter(dataDir);
    if (!chosen.ok())
        return chosen.failure();
    if (!chosen.value().isEmpty() && !printers.describe(chosen.value()))
        return MissingPrinter {chosen.value()};
    return chosen.value();
}

} // namespace cards
