#include "settings/calibration_boxes.h"

#include "settings/numeric_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace settings {

namespace {

constexpr double kLowestStep = std::numeric_limits<std::int32_t>::min();
constexpr double kHighestStep = std::numeric_limits<std::int32_t>::max();

// The vertical step as the window holds it: rounded to a whole number, halves to even, and held
// within 32 bits.
double wholeStep(double value)
{
    return std::clamp(roundHalfEven(value), kLowestStep, kHighestStep);
}

QString stepText(double step)
{
    return QString::number(static_cast<std::int32_t>(step));
}

} // namespace

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

QString valueText(double value)
{
    if (std::isfinite(value))
        return QString::fromLatin1(decimalText(value));
    return value > 0 ? QStringLiteral("∞") : QStringLiteral("-∞");
}

BoxTexts openingTexts(const Calibration& calibration)
{
    return {valueText(calibration.horizontalStart), valueText(calibration.horizontalStep),
        valueText(calibration.verticalStart), stepText(wholeStep(calibration.verticalStep))};
}

QString nudged(CalibrationValue value, QStringView text, int step)
{
    const double number = numericValue(text);
    if (value == CalibrationValue::VerticalStep)
        return stepText(wholeStep(wholeStep(number) + step));
    if (!std::isfinite(number))
        return text.toString();
    return valueText(number + step);
}

std::variant<ValueLines, CalibrationValue> savedLines(const BoxTexts& texts)
{
    ValueLines lines;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        // The largest doubles write as 15 digits that round up past them, and would read back as infinite.
        const double number = numericValue(texts.at(i));
        if (!std::isfinite(number) || !std::isfinite(numericValue(decimalText(number))))
            return kCalibrationValues.at(i);
        lines.at(i) = decimalText(number);
    }
    return lines;
}

} // namespace settings
