#include "calibration/calibration_boxes.h"

#include "core/rounding.h"
#include "core/shift_jis.h"
#include "settings/numeric_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace calibration {

namespace {

constexpr double kLowestStep = std::numeric_limits<std::int32_t>::min();
constexpr double kHighestStep = std::numeric_limits<std::int32_t>::max();

// The vertical step as the window holds it: rounded to a whole number, halves to even, and held
// within 32 bits.
double wholeStep(double value)
{
    return std::clamp(core::roundHalfEven(value), kLowestStep, kHighestStep);
}

QString stepText(double step)
{
    return QString::number(static_cast<std::int32_t>(step));
}

} // namespace

BoxTexts openingTexts(const settings::StoredCalibration& stored)
{
    const settings::Calibration& values = stored.values;
    const auto shown = [&stored](std::size_t index, double value) {
        if (std::isfinite(value))
            return settings::valueText(value);
        return core::ShiftJisDecoder()(stored.lines.at(index)).trimmed();
    };
    return {shown(0, values.horizontalStart), shown(1, values.horizontalStep), shown(2, values.verticalStart),
        stepText(wholeStep(values.verticalStep))};
}

QString nudged(settings::CalibrationValue value, QStringView text, int step)
{
    const double number = settings::numericValue(text);
    if (value == settings::CalibrationValue::VerticalStep)
        return stepText(wholeStep(wholeStep(number) + step));
    if (!std::isfinite(number))
        return text.toString();
    return settings::valueText(number + step);
}

core::Result<settings::ValueLines, settings::CalibrationValue> savedLines(const BoxTexts& texts)
{
    settings::ValueLines lines;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        // The largest doubles write as 15 digits that round up past them, and would read back as infinite.
        const double number = settings::numericValue(texts.at(i));
        if (!std::isfinite(number) || !std::isfinite(settings::numericValue(settings::decimalText(number))))
            return settings::kCalibrationValues.at(i);
        lines.at(i) = settings::decimalText(number);
    }
    return lines;
}

core::Result<settings::Calibration, settings::CalibrationValue> boxCalibration(const BoxTexts& texts)
{
    const core::Result<settings::ValueLines, settings::CalibrationValue> lines = savedLines(texts);
    if (!lines.ok())
        return lines.failure();
    const settings::ValueLines& saved = lines.value();
    return settings::Calibration {settings::numericValue(saved.at(0)), settings::numericValue(saved.at(1)),
        settings::numericValue(saved.at(2)), core::roundHalfEven(settings::numericValue(saved.at(3)))};
}

} // namespace calibration
