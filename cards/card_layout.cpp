#include "cards/card_layout.h"

#include "settings/numeric_text.h"

#include <cmath>
#include <limits>
#include <optional>

namespace cards {

namespace {

enum class Grid {
    Numbers, // LOTO: numbers in columns of ten, rising from the bottom row to the top row
    Digits, // Numbers: one column per digit, 9 in the top row, then the play type column
};

// The start adjustment of a card: start + sign × ⌊start / divisor⌋; a sign of 0 leaves the start.
struct StartShift {
    int sign;
    double divisor;

    double applied(double start) const
    {
        return sign == 0 ? start : start + sign * std::floor(start / divisor);
    }
};

constexpr int kRows = 10;
// Numbers columns stand closer together than the steps between LOTO columns.
constexpr double kDigitColumnFactor = 0.84;

} // namespace

struct CardLayout {
    tickets::Lottery lottery;
    Grid grid;
    // Numbers grid: its columns. Digits: one per digit and the play type column after them.
    int columns;
    // Numbers grid: a number above the highest falls in the last column, or else in the first.
    bool highNumbersInLastColumn;
    StartShift horizontalShift;
    StartShift verticalShift;
};

namespace {

constexpr std::array kLayouts {
    CardLayout {tickets::Lottery::Loto6, Grid::Numbers, 5, true, {0, 1}, {0, 1}},
    CardLayout {tickets::Lottery::MiniLoto, Grid::Numbers, 4, false, {+1, 25}, {-1, 10}},
    CardLayout {tickets::Lottery::Numbers4, Grid::Digits, 5, false, {-1, 100}, {0, 1}},
    CardLayout {tickets::Lottery::Numbers3, Grid::Digits, 4, false, {-1, 120}, {0, 1}},
};

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

std::variant<Placement, CalibrationFault> Placement::of(
    tickets::Lottery lottery, const settings::Calibration& calibration)
{
    const CardLayout& layout = kLayouts.at(static_cast<std::size_t>(lottery));
    if (const std::optional<CalibrationFault> fault = notFinite(calibration))
        return *fault;
    const CalibrationFault stepFault {CalibrationValue::HorizontalStep, calibration.horizontalStep};
    const CalibrationFault verticalStepFault {CalibrationValue::VerticalStep, calibration.verticalStep};

    Placement placement(layout);
    placement.m_horizontalStart = layout.horizontalShift.applied(calibration.horizontalStart);
    placement.m_horizontalStep = calibration.horizontalStep;
    placement.m_verticalStart = layout.verticalShift.applied(calibration.verticalStart);

    // LOTO columns lie whole horizontal steps apart, each offset rounded on its own; Numbers columns
    // lie a whole column step apart.
    double columnStep = calibration.horizontalStep;
    if (layout.grid == Grid::Digits) {
        columnStep = std::floor(calibration.horizontalStep * kDigitColumnFactor);
        if (!fitsInt32(columnStep))
            return stepFault;
    }
    for (int column = 0; column < layout.columns; ++column) {
        const double offset = settings::roundHalfEven(column * columnStep);
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
    return m_layout.grid == Grid::Numbers ? numberMarks(base, line) : digitMarks(base, line);
}

MarkPoint Placement::markAt(double base, int column, int row) const
{
    return {base - m_columnOffsets.at(static_cast<std::size_t>(column)),
        m_verticalStart + m_rowOffsets.at(static_cast<std::size_t>(row))};
}

QList<MarkPoint> Placement::numberMarks(double base, const QString& line) const
{
    const tickets::LotteryRules& rules = tickets::rulesOf(m_layout.lottery);
    QList<MarkPoint> marks;
    marks.reserve(rules.count);
    for (int field = 0; field < rules.count; ++field) {
        // Two characters each by position; the last number is the line's last two characters.
        const QString text = field + 1 < rules.count ? line.mid(qsizetype {2} * field, 2) : line.right(2);
        // Two characters hold at most 99, so the rounded value is always a whole int.
        const int number = static_cast<int>(settings::roundHalfEven(settings::numericValue(text)));
        const int column = numberColumn(m_layout, number, rules.highest);
        const int row = numberRow(number, rules.highest);
        marks.append(markAt(base, column, row));
    }
    return marks;
}

QList<MarkPoint> Placement::digitMarks(double base, const QString& line) const
{
    const int digits = tickets::rulesOf(m_layout.lottery).count;
    QList<MarkPoint> marks;
    marks.reserve(digits + 1);
    for (int digit = 0; digit < digits; ++digit)
        marks.append(markAt(base, digit, digitRow(digit < line.size() ? line[digit] : QChar(u' '))));
    // Only an exact play type letter is marked; the program never writes a line without one.
    if (const std::optional<int> row = line.isEmpty() ? std::nullopt : playTypeRow(line.back()))
        marks.append(markAt(base, digits, *row));
    return marks;
}

} // namespace cards
