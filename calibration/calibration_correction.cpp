#include "calibration/calibration_correction.h"

#include "calibration/calibration_boxes.h"
#include "core/units.h"
#include "settings/numeric_text.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>

namespace calibration {

namespace {

// A box shows 15 significant digits, so no change it shows has more places than this.
constexpr int kMostPlaces = 15;

// The places after the point of a value's decimal text: "1975.25" has 2, "1.5E-07" 8, "1E+20" none.
int placesOf(double value)
{
    const QByteArray text = settings::decimalText(value);
    const qsizetype exponentAt = text.indexOf('E');
    const QByteArray mantissa = exponentAt < 0 ? text : text.left(exponentAt);
    const qsizetype point = mantissa.indexOf('.');
    const auto fraction = static_cast<int>(point < 0 ? 0 : mantissa.size() - point - 1);
    const int exponent = exponentAt < 0 ? 0 : text.mid(exponentAt + 1).toInt();
    return std::clamp(fraction - exponent, 0, kMostPlaces);
}

// The change between two values as their texts give it: 238 to 238.37 is 0.37, not the
// 0.3700000000000045 of the doubles.
double change(double from, double to)
{
    const double scale = std::pow(10.0, std::max(placesOf(from), placesOf(to)));
    return std::round((to - from) * scale) / scale;
}

} // namespace

core::Result<settings::Calibration, CorrectionRefusal> correctedCalibration(
    lotteries::Lottery lottery, const settings::Calibration& printed, const MeasuredOffsets& offsets)
{
    using Reason = CorrectionRefusal::Reason;
    const core::Result<printing::Placement, printing::CalibrationFault> sheet
        = printing::Placement::of(lottery, printed);
    if (!sheet.ok())
        return CorrectionRefusal {sheet.failure().value, Reason::NotPrintable};
    const printing::ReferenceMarks outlines = sheet.value().referenceMarks();
    const printing::ReferenceMarks places {
        {outlines.first.x + offsets.firstRight * core::kTwipsPerMillimetre,
            outlines.first.y + offsets.firstDown * core::kTwipsPerMillimetre},
        {outlines.second.x + offsets.secondRight * core::kTwipsPerMillimetre,
            outlines.second.y + offsets.secondDown * core::kTwipsPerMillimetre},
    };

    const settings::Calibration corrected = fittedCalibration(lottery, places, printed);
    const core::Result<printing::Placement, printing::CalibrationFault> card
        = printing::Placement::of(lottery, corrected);
    if (!card.ok())
        return CorrectionRefusal {card.failure().value, Reason::NotPrintable};
    if (corrected.horizontalStep <= 0)
        return CorrectionRefusal {settings::CalibrationValue::HorizontalStep, Reason::NotForward};
    if (corrected.verticalStep <= 0)
        return CorrectionRefusal {settings::CalibrationValue::VerticalStep, Reason::NotForward};
    return corrected;
}

QString correctionSummary(const settings::Calibration& current, const settings::Calibration& corrected)
{
    const std::array from {
        current.horizontalStart, current.horizontalStep, current.verticalStart, current.verticalStep};
    const std::array to {
        corrected.horizontalStart, corrected.horizontalStep, corrected.verticalStart, corrected.verticalStep};
    QStringList changes;
    for (std::size_t i = 0; i < settings::kCalibrationValues.size(); ++i) {
        const double by = change(from.at(i), to.at(i));
        if (by != 0) {
            changes.append(settings::valueName(settings::kCalibrationValues.at(i)) + u' '
                + (by > 0 ? QStringLiteral("+") : QString()) + settings::valueText(by));
        }
    }
    return changes.isEmpty() ? QStringLiteral("変更なし") : changes.join(u'、');
}

} // namespace calibration
