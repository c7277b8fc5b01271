// Lining the print up with a real card: the user prints a test sheet with every mark position outlined
// and the two reference marks filled, lays a card over it against the light, and measures how far the
// card's reference marks lie from their outlines. From that come the calibration values that put the
// marks on the card.
#pragma once

#include "calibration/fitting.h"

#include <QString>

namespace calibration {

// How far the card's reference marks lie from their outlines on the test sheet, in millimetres: plus is
// to the right and downward, as the card's mark lies from the outline.
struct MeasuredOffsets {
    double firstRight = 0;
    double firstDown = 0;
    double secondRight = 0;
    double secondDown = 0;
};

// Measured offsets that give no calibration the program could use: the value they spoil and why. The
// calibration window's save refuses only numbers with no finite decimal text, which the print run
// refuses too.
struct CorrectionRefusal {
    enum class Reason {
        // Not a finite number, or beyond the 32 bits the print run takes (Placement::of); also the
        // calibration the sheet was printed with when it cannot be printed with.
        NotPrintable,
        // A step of zero or less: slot 1 would not lie right of slot 5, or the bottom row not below the
        // top row. The print run takes such a step, but no card is made that way, so the measurement is
        // wrong (a sign, or the two marks swapped).
        NotForward,
    };

    settings::CalibrationValue value;
    Reason reason;

    bool operator==(const CorrectionRefusal&) const = default;
};

// The calibration that puts the reference marks where the card has them, as fittedCalibration promises:
// the first mark within 1 twip both ways, the second within 1 twip across and 5 down. `printed` is the
// calibration the test sheet was printed with; each axis keeps its values when the marks already lie
// within that reach, and otherwise gets values of whole twips, tenths or hundredths.
core::Result<settings::Calibration, CorrectionRefusal> correctedCalibration(
    lotteries::Lottery lottery, const settings::Calibration& printed, const MeasuredOffsets& offsets);

// What a correction changes, on one line for the dialog: each changed value's name and signed change,
// in the order of the calibration window, "横開始位置 +85、横ステップ -0.6、縦ステップ -1". A change is
// the difference of the two values as the boxes show them, so 238 to 238.37 is "+0.37"; a value that
// shows the same is left out, and when none changes the line says "変更なし".
QString correctionSummary(const settings::Calibration& current, const settings::Calibration& corrected);

} // namespace calibration
