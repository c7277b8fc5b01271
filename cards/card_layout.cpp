#include "cards/card_layout.h"

#include "settings/numeric_text.h"

#include <algorithm>
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
// Slot 1's base lies this many horizontal steps right of slot 5's.
constexpr int kSpanSteps = (kSlotsPerCard - 1) * kSlotsPerCard;
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

// The last column that holds numbers or digits; on a Numbers card the play type column follows it.
int lastMarkColumn(const CardLayout& layout)
{
    return layout.grid == Grid::Numbers ? layout.columns - 1 : layout.columns - 2;
}

// LOTO columns lie whole horizontal steps apart, each offset rounded on its own; Numbers columns lie a
// whole column step apart.
double columnStep(const CardLayout& layout, double horizontalStep)
{
    return layout.grid == Grid::Digits ? std::floor(horizontalStep * kDigitColumnFactor) : horizontalStep;
}

double columnOffset(const CardLayout& layout, int column, double horizontalStep)
{
    return settings::roundHalfEven(column * columnStep(layout, horizontalStep));
}

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
    return m_layout.grid == Grid::Numbers ? numberMarks(base, line) : digitMarks(base, line);
}

QList<MarkPoint> Placement::markPositions(int slot) const
{
    const double base = slotBase(slot);
    QList<MarkPoint> positions;
    if (m_layout.grid == Grid::Numbers) {
        const int highest = tickets::rulesOf(m_layout.lottery).highest;
        for (int number = 1; number <= highest; ++number)
            positions.append(
                markAt(base, numberColumn(m_layout, number, highest), numberRow(number, highest)));
        return positions;
    }
    const int digits = tickets::rulesOf(m_layout.lottery).count;
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

namespace {

// A card rule of the form slope · x + whole, where the whole part stays the same while x stays within a
// block: the start adjustments (slope 1), and the distance across between the reference marks (slope
// kSpanSteps, the reference column's offset as the whole part). The rule never falls as x grows.
struct Block {
    double low;
    double high;
    double whole;
};

// The x on the grain of 1 / perTwip whose rule value comes nearest to the target, given the block where
// the rule reaches it or, for a target that no x reaches, the block whose edge comes nearest. Since the
// rule never falls, the best grain point is one of the two around that x; of two equally near, the one
// nearer `near` wins.
template <typename Rule>
double nearestOnGrain(
    double target, double slope, const Block& block, double perTwip, double near, const Rule& rule)
{
    const double x = std::clamp((target - block.whole) / slope, block.low, block.high);
    const double point = std::round(x * perTwip);
    double best = std::numeric_limits<double>::quiet_NaN();
    double bestMiss = std::numeric_limits<double>::infinity();
    for (const double candidate : {(point - 1) / perTwip, point / perTwip, (point + 1) / perTwip}) {
        const double miss = std::abs(rule(candidate) - target);
        if (miss < bestMiss || (miss == bestMiss && std::abs(candidate - near) < std::abs(best - near))) {
            best = candidate;
            bestMiss = miss;
        }
    }
    return best;
}

// The starts from divisor · k on move by sign · k, so the adjusted starts of block k begin at
// (divisor + sign) · k: the block that reaches the wanted start, or the one below the adjusted starts
// that a sign of +1 skips.
Block startBlock(const StartShift& shift, double adjusted)
{
    const double k = std::floor(adjusted / (shift.divisor + shift.sign));
    return {k * shift.divisor, (k + 1) * shift.divisor, shift.sign * k};
}

// The horizontal steps over which the offset of the given column stays the same, around the step that
// spans the wanted distance. That step is first taken as if the offset were column · step (LOTO) or
// column · 0.84 · step (Numbers): the true offset differs from that only towards the rounded value, so
// the estimate lies in the block of the step sought, or next to the spans that no step gives.
Block spanBlock(const CardLayout& layout, int column, double span)
{
    if (layout.grid == Grid::Digits) {
        const double j = std::floor(span / (kSpanSteps + column * kDigitColumnFactor) * kDigitColumnFactor);
        return {j / kDigitColumnFactor, (j + 1) / kDigitColumnFactor, column * j};
    }
    const double j = settings::roundHalfEven(span / (kSpanSteps + column) * column);
    return {(j - 0.5) / column, (j + 0.5) / column, j};
}

// A start and a step: one axis of a calibration.
struct Axis {
    double start;
    double step;
};

// The grains tried, in points per twip, coarsest first.
constexpr std::array kGrains {1.0, 10.0, 100.0};

// The kept values when they reach, else the values on the coarsest grain that reach. Hundredths always
// reach. Across, the span misses by at most half of a stretch of spans no step gives (three twips where
// a Numbers4 column step jumps, one where a LOTO offset's rounding does) plus 20 steps of the grain, 0.2
// twip; the start set halfway halves that for each mark, and a start no start reaches (MINILOTO) adds
// half a twip to LOTO's 0.35. Down, the first mark misses by less than the grain and the second by half
// of nine twips at most.
template <typename OnGrain, typename Reaches>
Axis coarsestThatReaches(const Axis& kept, const OnGrain& onGrain, const Reaches& reaches)
{
    Axis axis = kept;
    for (const double perTwip : kGrains) {
        if (reaches(axis))
            return axis;
        axis = onGrain(perTwip);
    }
    return axis;
}

} // namespace

settings::Calibration fittedCalibration(
    tickets::Lottery lottery, const ReferenceMarks& places, const settings::Calibration& near)
{
    const CardLayout& layout = kLayouts.at(static_cast<std::size_t>(lottery));
    const int column = lastMarkColumn(layout);
    const StartShift& across = layout.horizontalShift;
    const StartShift& down = layout.verticalShift;
    const auto spanOf = [&](double step) { return kSpanSteps * step + columnOffset(layout, column, step); };

    // Across: the step whose span comes nearest to the distance between the places, then the start
    // halfway between the one that puts the first mark on its place and the one that puts the second.
    const double span = places.first.x - places.second.x;
    const auto acrossOnGrain = [&](double perTwip) {
        const double step = nearestOnGrain(
            span, kSpanSteps, spanBlock(layout, column, span), perTwip, near.horizontalStep, spanOf);
        const double adjusted = places.first.x - kSpanSteps * step + (spanOf(step) - span) / 2;
        const double start = nearestOnGrain(adjusted, 1, startBlock(across, adjusted), perTwip,
            near.horizontalStart, [&](double value) { return across.applied(value); });
        return Axis {start, step};
    };
    // As Placement places the marks: slot 1's first column, slot 5's reference column.
    const auto reachesAcross = [&](const Axis& axis) {
        const double adjusted = across.applied(axis.start);
        const double first = adjusted + kSpanSteps * axis.step;
        const double second = adjusted - columnOffset(layout, column, axis.step);
        return std::abs(first - places.first.x) <= kFirstMarkReach
            && std::abs(second - places.second.x) <= kSecondMarkReachAcross;
    };

    // Down: the start that puts the first mark on its place, then the whole step nearest to what the
    // second mark asks for from there.
    const auto downOnGrain = [&](double perTwip) {
        const double start = nearestOnGrain(places.first.y, 1, startBlock(down, places.first.y), perTwip,
            near.verticalStart, [&](double value) { return down.applied(value); });
        const double step = settings::roundHalfEven((places.second.y - down.applied(start)) / (kRows - 1));
        return Axis {start, step};
    };
    // The print run drops the fraction of a row offset, which only a kept step can have.
    const auto reachesDown = [&](const Axis& axis) {
        const double adjusted = down.applied(axis.start);
        const double second = adjusted + std::trunc((kRows - 1) * axis.step);
        return std::abs(adjusted - places.first.y) <= kFirstMarkReach
            && std::abs(second - places.second.y) <= kSecondMarkReachDown;
    };

    const Axis h
        = coarsestThatReaches({near.horizontalStart, near.horizontalStep}, acrossOnGrain, reachesAcross);
    const Axis v = coarsestThatReaches({near.verticalStart, near.verticalStep}, downOnGrain, reachesDown);
    return {h.start, h.step, v.start, v.step};
}

} // namespace cards
