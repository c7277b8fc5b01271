// The alignment dialog's entries and what it says of them: lengths in millimetres as a person types
// them, and why measured offsets give no usable calibration.
#pragma once

#include "calibration/calibration_correction.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace calibration {

// A length typed in millimetres: a plain decimal number with an optional sign, in full-width or half-width
// characters, blanks around it ignored; an empty entry is 0. Nothing when the text is not a number.
std::optional<double> typedMillimetres(QStringView text);

// Why the measured offsets cannot be used, naming the value they would spoil.
QString refusalText(const CorrectionRefusal& refusal);

} // namespace calibration
