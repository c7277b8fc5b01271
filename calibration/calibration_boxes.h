// The four boxes of the calibration window as text: what they show when it opens, what "＋" and "-"
// make of them, and the lines a save writes. The window only moves these texts in and out.
#pragma once

#include "core/result.h"
#include "settings/settings_file.h"

#include <QString>
#include <array>

namespace calibration {

// The box texts, in the order of kCalibrationValues.
using BoxTexts = std::array<QString, 4>;

// What the boxes show when the window opens: the starts and the horizontal step in decimal, the
// vertical step as the whole number it is printed with, held within 32 bits. A start or horizontal
// step too large to be written shows its line as the file has it, so that saving refuses it rather
// than writing something else over it.
BoxTexts openingTexts(const settings::StoredCalibration& stored);

// The text a box shows after "＋" (step +1) or "-" (step -1). The box's text is read as a number the
// way the settings file is, so an empty box or "abc" counts from 0. The vertical step stays whole and
// stops at the limits of 32 bits; a start or horizontal step keeps its fraction. A text that reads as
// infinite is left as it is.
QString nudged(settings::CalibrationValue value, QStringView text, int step);

// The lines a save writes, each box's text read as a number and written unrounded, or the first value
// whose box reads as a number too large to be written.
core::Result<settings::ValueLines, settings::CalibrationValue> savedLines(const BoxTexts& texts);

// The calibration the boxes hold, as a save would keep it and the next print run read it, or the first
// value whose box reads as a number too large to be written.
core::Result<settings::Calibration, settings::CalibrationValue> boxCalibration(const BoxTexts& texts);

} // namespace calibration
