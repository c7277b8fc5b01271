#include "printing/card_layout.h"

#include "core/rounding.h"
#include "lotteries/line_fields.h"
#include "settings/numeric_text.h"

#include <cmath>
#include <limits>
#include <optional>

namespace printing {

namespace {

bool fitsInt32(double value)
{
    return value >= std::numeric_limits<qint32>::min() && value <= std::numeric_limits<qint32>::max();
}

std::optional<CalibrationFault> notFinite(const settings::Calibration& c)
{
    const std::array<CalibrationFault, 4> values {{
        {CalibrationValue::HorizontalStart, c.horizontalStart},
        {CalibrationValue::HorizontalStep, c.horizontalStep},
        {CalibrationValue::VerticalStart, c.verticalStart},
        {CalibrationValue::VerticalStep, c.verticalStep},
    }};
    for (const CalibrationFault& value : values) {
        if (!std::isfinite(value.number))
            return value;
    }
    return std::nullopt;
}

// Rows are counted from the vertical start downward.
int numberRow(int number, int highest)
{
    return number >= 1 && number <= highest ? (10 - number % 10) % 10 : 0;
}

int numberColumn(const CardLayout& layout, int number, int highest)
{
    if (number >= 1 && number <= highest)
        return (number - 1) / 10;
    return layout.highNumbersInLastColumn && number > highest ? layout.columns - 1 : 0;
}

int digitRow(QChar c)
{
    const int digit = c >= u'0' && c <= u'9' ? c.digitValue() : 0;
    return 9 - digit;
}

std::optional<int> playTypeRow(QChar c)
{
    switch (c.unicode()) {
    case u'A': // straight
        return 8;
    case u'B': // box
        return 6;
    case u'C': // set
        return 4;
    default:
        return std::nullopt;
    }
}

} // namespace

core::Result<Placement, CalibrationFault> Placement::of(
    lotteries::Lottery lottery, const settings::Calibration& calibration)
{
    const CardLayout& layout = layoutOf(lottery);
    if (const std::optional<CalibrationFault> fault = notFinite(calibration))
        return *fault;
    const CalibrationFault stepFault {CalibrationValue::HorizontalStep, calibration.horizontalStep};
    const CalibrationFault verticalStepFault {CalibrationValue::VerticalStep, calibration.verticalStep};

    Placement placement(layout);
    placement.m_horizontalStart = layout.horizontalShift.applied(calibration.horizontalStart);
    placement.m_horizontalStep = calibration.horizontalStep;
    placement.m_verticalStart = layout.verticalShift.applied(calibration.verticalStart);

    if (layout.grid == Grid::Digits && !fitsInt32(columnStep(layout, calibration.horizontalStep)))
        return stepFault;
    for (int column = 0; column < layout.columns; ++column) {
        const double offset = columnOffset(layout, column, calibration.horizontalStep);
        if (!fitsInt32(offset))
            return stepFault;
        placement.m_columnOffsets.at(static_cast<std::size_t>(column)) = static_cast<qint32>(offset);
    }
    if (!fitsInt32(calibration.verticalStep))
        return verticalStepFault;
    for (int row = 0; row < kRows; ++row) {
        const double offset = row * calibration.verticalStep;
        if (!fitsInt32(offset))
            return verticalStepFault;
        placement.m_rowOffsets.at(static_cast<std::size_t>(row)) = static_cast<qint32>(offset);
    }

    // Every corner of every box must stay within the 32-bit range too, so that it is a number the
    // printer can take; the value that contributes most is the one to correct.
    for (int slot = 1; slot <= kSlotsPerCard; ++slot) {
        for (int column = 0; column < layout.columns; ++column) {
            const double x = placement.markAt(placement.slotBase(slot), column, 0).x;
            if (!fitsInt32(x) || !fitsInt32(x - kBoxWidth)) {
                const bool startRules
                    = std::abs(placement.m_horizontalStart) >= std::abs(20 * calibration.horizontalStep);
                return startRules
                    ? CalibrationFault {CalibrationValue::HorizontalStart, calibration.horizontalStart}
                    : stepFault;
            }
        }
    }
    for (const qint32 offset : placement.m_rowOffsets) {
        const double y = placement.m_verticalStart + offset;
        if (!fitsInt32(y) || !fitsInt32(y + kBoxHeight)) {
            const bool startRules
                = std::abs(placement.m_verticalStart) >= std::abs(9 * calibration.verticalStep);
            return startRules ? CalibrationFault {CalibrationValue::VerticalStart, calibration.verticalStart}
                              : verticalStepFault;
        }
    }
    return placement;
}

double Placement::slotBase(int slot) const
{
    return m_horizontalStart + (kSlotsPerCard - slot) * kSlotsPerCard * m_horizontalStep;
}

QList<MarkPoint> Placement::marks(int slot, const QString& line) const
{
    const double base = slotBase(slot);
    const lotteries::LotteryRules& rules = lotteries::rulesOf(m_layout.lottery);
    QList<MarkPoint> marks;
    marks.reserve(rules.count + 1);
    lotteries::forEachField(rules, QStringView(line), [&](int index, QStringView field) {
        if (m_layout.grid == Grid::Loto) {
            // Two characters hold at most 99, so the rounded value is always a whole int.
            const int number = static_cast<int>(core::roundHalfEven(settings::numericValue(field)));
            marks.append(markAt(
                base, numberColumn(m_layout, number, rules.highest), numberRow(number, rules.highest)));
        } else if (index < rules.count) {
            marks.append(markAt(base, index, digitRow(field.isEmpty() ? QChar(u' ') : field.front())));
        } else if (const std::optional<int> row
            = field.isEmpty() ? std::nullopt : playTypeRow(field.front())) {
            // Only an exact play type letter is marked; the program never writes a line without one.
            marks.append(markAt(base, index, *row));
        }
    });
    return marks;
}

QList<MarkPoint> Placement::markPositions(int slot) const
{
    const double base = slotBase(slot);
    QList<MarkPoint> positions;
    if (m_layout.grid == Grid::Loto) {
        const int highest = lotteries::rulesOf(m_layout.lottery).highest;
        for (int number = 1; number <= highest; ++number)
            positions.append(
                markAt(base, numberColumn(m_layout, number, highest), numberRow(number, highest)));
        return positions;
    }
    const int digits = lotteries::rulesOf(m_layout.lottery).count;
    for (int column = 0; column < digits; ++column) {
        for (char16_t digit = u'0'; digit <= u'9'; ++digit)
            positions.append(markAt(base, column, digitRow(digit)));
    }
    for (const char16_t playType : {u'A', u'B', u'C'}) {
        if (const std::optional<int> row = playTypeRow(playType))
            positions.append(markAt(base, digits, *row));
    }
    return positions;
}

ReferenceMarks Placement::referenceMarks() const
{
    return {markAt(slotBase(1), 0, 0), markAt(slotBase(kSlotsPerCard), lastMarkColumn(m_layout), kRows - 1)};
}

MarkPoint Placement::markAt(double base, int column, int row) const
{
    return {base - m_columnOffsets.at(static_cast<std::size_t>(column)),
        m_verticalStart + m_rowOffsets.at(static_cast<std::size_t>(row))};
}

} // namespace printing
