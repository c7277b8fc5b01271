// Numbers written as text: how the settings lines, the calibration boxes and the fields of a print-file
// line are read as numbers, and how a value is written back.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace settings {

// The longest leading part of the text that reads as a number: blanks, tabs and line feeds are skipped
// wherever they stand, then an optional sign, digits with an optional "." and fraction, and an optional
// exponent (E or D). The point is "." whatever the locale. Text that starts with no number reads as 0;
// this never fails. A number too large for a double reads as an infinity, which callers refuse.
double numericValue(QByteArrayView text);
double numericValue(QStringView text);

// A finite value in decimal as the settings file keeps it: up to 15 significant digits, no point for
// whole numbers, no zero before the point (".5", "-.5"), "0" for zero, and E notation where a plain
// decimal would need more than 15 digits.
QByteArray decimalText(double value);

// A value as the program shows it: its decimal text with a zero before the point ("0.5", "-0.5"), or
// ∞ for a number too large to be written.
QString valueText(double value);

} // namespace settings
