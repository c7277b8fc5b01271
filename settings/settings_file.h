// The settings file ravelov1.ini: the four calibration values that place the marks on a card, kept in
// lines 3 to 6. Every other line belongs to whoever wrote it and is carried through byte for byte.
#pragma once

#include "core/line_file.h"

#include <QDir>
#include <array>

namespace settings {

// Positions in twips (1/1440 inch) from the top-left corner of the printer's printable area.
struct Calibration {
    double horizontalStart = 1975;
    double horizontalStep = 238;
    double verticalStart = 90;
    // A whole number, rounded with halves to even when read; whether it fits the 32 bits the marks are
    // computed in is for the print run to check.
    double verticalStep = 360;

    bool operator==(const Calibration&) const = default;
};

// The four values, in the order of their lines.
enum class CalibrationValue { HorizontalStart, HorizontalStep, VerticalStart, VerticalStep };
inline constexpr std::array kCalibrationValues {CalibrationValue::HorizontalStart,
    CalibrationValue::HorizontalStep, CalibrationValue::VerticalStart, CalibrationValue::VerticalStep};

// A value's name as the calibration window labels it; messages about a value use the same name, so that the
// user finds the box to correct.
QString valueName(CalibrationValue value);

// The texts of lines 3 to 6, in that order.
using ValueLines = std::array<QByteArray, 4>;

// The value lines as the file holds them, empty where it lacks one, and the calibration they give.
struct StoredCalibration {
    Calibration values;
    ValueLines lines;
};

// The starting calibration, as the values and as the lines they are written as.
inline constexpr Calibration kDefaultCalibration {};
ValueLines defaultValueLines();

class SettingsFile {
public:
    static constexpr const char* kFileName = "ravelov1.ini";

    explicit SettingsFile(const QDir& dataDir);

    QString path() const { return m_path; }

    // What reading does when there is no file: write one with the header lines and the defaults, or
    // only take the defaults, for what must leave every file alone.
    enum class WhenMissing { Create, TakeDefaults };

    // The calibration values, read afresh. A value line that the file lacks means its default, a line
    // that holds no number 0.
    core::Result<Calibration> read(WhenMissing missing = WhenMissing::Create) const;
    // The same, with the value lines' own text.
    core::Result<StoredCalibration> readStored(WhenMissing missing = WhenMissing::Create) const;

    // Replaces lines 3 to 6 in one atomic rewrite. A file shorter than six lines is extended to six,
    // missing header lines getting the program's own, so that no value is dropped.
    core::Result<void> writeValues(const ValueLines& values) const;

private:
    QString m_path;
};

} // namespace settings
