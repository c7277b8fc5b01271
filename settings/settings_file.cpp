#include "settings/settings_file.h"

#include "core/rounding.h"
#include "settings/numeric_text.h"

#include <QFileInfo>

namespace settings {

namespace {

constexpr qsizetype kFirstValueLine = 2; // line 3, counted from 0
constexpr qsizetype kValueLineCount = 4;
constexpr qsizetype kLinesWithValues = kFirstValueLine + kValueLineCount;

// Nothing reads the header lines; they tell a person who opens the file what it is. ASCII, so that
// they read the same in any code page.
core::Lines headerLines()
{
    return {"; ravelov1.ini: where the marks are printed on the cards, in twips (1/1440 inch)",
        "; lines 3 to 6: horizontal start, horizontal step, vertical start, vertical step"};
}

core::Lines withValues(core::Lines lines, const ValueLines& values)
{
    const core::Lines header = headerLines();
    for (qsizetype line = lines.size(); line < kLinesWithValues; ++line)
        lines.append(line < kFirstValueLine ? header[line] : QByteArray());
    for (qsizetype value = 0; value < kValueLineCount; ++value)
        lines[kFirstValueLine + value] = values[static_cast<std::size_t>(value)];
    return lines;
}

} // namespace

ValueLines defaultValueLines()
{
    return {decimalText(kDefaultCalibration.horizontalStart), decimalText(kDefaultCalibration.horizontalStep),
        decimalText(kDefaultCalibration.verticalStart), decimalText(kDefaultCalibration.verticalStep)};
}

SettingsFile::SettingsFile(const QDir& dataDir)
    : m_path(dataDir.filePath(QString::fromLatin1(kFileName)))
{ }

core::Result<Calibration> SettingsFile::read(WhenMissing missing) const
{
    const core::Result<StoredCalibration> stored = readStored(missing);
    if (!stored.ok())
        return stored.failure();
    return stored.value().values;
}

core::Result<StoredCalibration> SettingsFile::readStored(WhenMissing missing) const
{
    // A file that is there but empty or unreadable is the user's and is not replaced.
    if (!QFileInfo::exists(m_path)) {
        if (missing == WhenMissing::TakeDefaults)
            return StoredCalibration {kDefaultCalibration, defaultValueLines()};
        const auto createWithDefaults
            = [](const std::optional<core::Lines>& now) -> std::optional<core::Lines> {
            // Made by another save meanwhile, it is the one read.
            if (now)
                return std::nullopt;
            return withValues({}, defaultValueLines());
        };
        if (const auto done = core::editLines(m_path, createWithDefaults); !done.ok())
            return done.failure();
    }
    const core::Result<core::Lines> read = core::readLines(m_path);
    if (!read.ok())
        return read.failure();
    const core::Lines& lines = read.value();
    StoredCalibration stored;
    for (qsizetype value = 0; value < kValueLineCount; ++value) {
        if (kFirstValueLine + value < lines.size())
            stored.lines[static_cast<std::size_t>(value)] = lines[kFirstValueLine + value];
    }
    const auto value = [&lines, &stored](qsizetype index, double fallback) {
        return kFirstValueLine + index < lines.size()
            ? numericValue(stored.lines[static_cast<std::size_t>(index)])
            : fallback;
    };
    Calibration& calibration = stored.values;
    calibration.horizontalStart = value(0, kDefaultCalibration.horizontalStart);
    calibration.horizontalStep = value(1, kDefaultCalibration.horizontalStep);
    calibration.verticalStart = value(2, kDefaultCalibration.verticalStart);
    calibration.verticalStep = core::roundHalfEven(value(3, kDefaultCalibration.verticalStep));
    return stored;
}

core::Result<void> SettingsFile::writeValues(const ValueLines& values) const
{
    return core::editLines(m_path, [&values](const std::optional<core::Lines>& now) {
        return std::optional(withValues(now.value_or(core::Lines()), values));
    });
}

QString valueName(CalibrationValue value)
{
    switch (value) {
    case CalibrationValue::HorizontalStart:
        return QStringLiteral("横開始位置");
    case CalibrationValue::HorizontalStep:
        return QStringLiteral("横ステップ");
    case CalibrationValue::VerticalStart:
        return QStringLiteral("縦開始位置");
    case CalibrationValue::VerticalStep:
        return QStringLiteral("縦ステップ");
    }
    return {};
}

} // namespace settings
