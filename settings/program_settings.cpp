#include "settings/program_settings.h"

#include "core/line_file.h"

#include <QFileInfo>

namespace settings {

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

bool isComment(QStringView line)
{
    return line.startsWith(u';') || line.startsWith(u'#');
}

// The name of the group a trimmed line begins, which a comment may follow; nothing for any other line.
std::optional<QStringView> groupName(QStringView line)
{
    const qsizetype close = line.indexOf(u']');
    if (!line.startsWith(u'[') || close < 0)
        return std::nullopt;
    const QStringView after = line.sliced(close + 1).trimmed();
    if (!after.isEmpty() && !isComment(after))
        return std::nullopt;
    return line.sliced(1, close - 1).trimmed();
}

// Group and key are matched as a person may have typed them: blanks around them and any case.
Place find(const core::Lines& lines)
{
    Place place;
    bool inGroup = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines[i]).trimmed();
        if (const std::optional<QStringView> group = groupName(line)) {
            inGroup = group->compare(kGroup, Qt::CaseInsensitive) == 0;
            if (inGroup && place.group < 0)
                place.group = i;
            continue;
        }
        if (!inGroup || isComment(line))
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

core::Result<core::Lines> readLinesIfAny(const QString& path)
{
    if (!QFileInfo::exists(path))
        return core::Lines();
    return core::readLines(path);
}

} // namespace

core::Result<QString> readChosenPrinter(const QDir& dataDir)
{
    const core::Result<core::Lines> lines = readLinesIfAny(filePath(dataDir));
    if (!lines.ok())
        return lines.failure();
    return find(lines.value()).value;
}

core::Result<void> saveChosenPrinter(const QDir& dataDir, const QString& name)
{
    return core::editLines(filePath(dataDir), [&name](const std::optional<core::Lines>& now) {
        core::Lines lines = now.value_or(core::Lines());
        const Place place = find(lines);
        if (place.value == name)
            return std::optional<core::Lines>();
        const QByteArray keyLine = kKey.toLatin1() + '=' + name.toUtf8();
        if (place.key >= 0) {
            lines[place.key] = keyLine;
        } else if (place.group >= 0) {
            lines.insert(place.group + 1, keyLine);
        } else {
            lines.append('[' + kGroup.toLatin1() + ']');
            lines.append(keyLine);
        }
        return std::optional(lines);
    });
}

} // namespace settings
