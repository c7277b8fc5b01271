// A calibration fitted to marks measured on a card: the card's placing rules run backwards.
#pragma once

#include "printing/card_layout.h"

namespace calibration {

// How near fittedCalibration brings the reference marks to their places, in twips. The vertical step is
// whole and the second mark lies nine steps below the first, so down it can only be brought within half
// of nine twips of its place.
inline constexpr double kFirstMarkReach = 1;
inline constexpr double kSecondMarkReachAcross = 1;
inline constexpr double kSecondMarkReachDown = 5;

// The card's rules run backwards: the calibration that puts the reference marks at the given places,
// within reach as above. The start adjustments skip some starts and reach others twice, and the column
// offsets are whole twips, so the best attainable values are taken. Each axis keeps the values of `near`
// when they already place its marks within reach, and otherwise takes the coarsest of whole twips, tenths
// and hundredths that does, so that the calibration boxes show short numbers; where the rules place two
// values equally well, the one nearer `near` wins. Places no calibration can be printed with give values
// that printing::Placement::of refuses.
settings::Calibration fittedCalibration(
    lotteries::Lottery lottery, const printing::ReferenceMarks& places, const settings::Calibration& near);

} // namespace calibration
