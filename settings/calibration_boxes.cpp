#include "settings/calibration_boxes.h"

#include "core/shift_jis.h"
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
    if (!std::isfinite(value))
        return value > 0 ? QStringLiteral("∞") : QStringLiteral("-∞");
    // The file leaves out the zero before the point; a person reads a box better with it.
    QString text = QString::fromLatin1(decimalText(value));
    if (text.startsWith(u'.'))
        text.prepend(u'0');
    else if (text.startsWith(u"-."))
        text.insert(1, u'0');
    return text;
}

BoxTexts openingTexts(const StoredCalibration& stored)
{
    const Calibration& values = stored.values;
    const auto shown = [&stored](std::size_t index, double value) {
        if (std::isfinite(value))
            return valueText(value);
        return core::ShiftJisDecoder()(stored.lines.at(index)).trimmed();
    };
    return {shown(0, values.horizontalStart), shown(1, values.horizontalStep), shown(2, values.verticalStart),
        stepText(wholeStep(values.verticalStep))};
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

std::variant<Calibration, CalibrationValue> boxCalibration(const BoxTexts& texts)
{
    const std::variant<ValueLines, CalibrationValue> lines = savedLines(texts);
    if (const auto* tooLarge = std::get_if<CalibrationValue>(&lines))
        return *tooLarge;
    const ValueLines& saved = std::get<ValueLines>(lines);
    return Calibration {numericValue(saved.at(0)), numericValue(saved.at(1)), numericValue(saved.at(2)),
        roundHalfEven(numericValue(saved.at(3)))};
}

} // namespace settings
