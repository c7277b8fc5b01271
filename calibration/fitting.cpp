#include "calibration/fitting.h"

#include "core/rounding.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace calibration {

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
Block startBlock(const printing::StartShift& shift, double adjusted)
{
    const double k = std::floor(adjusted / (shift.divisor + shift.sign));
    return {k * shift.divisor, (k + 1) * shift.divisor, shift.sign * k};
}

// The horizontal steps over which the offset of the given column stays the same, around the step that
// spans the wanted distance. That step is first taken as if the offset were column · step (LOTO) or
// column · 0.84 · step (Numbers): the true offset differs from that only towards the rounded value, so
// the estimate lies in the block of the step sought, or next to the spans that no step gives.
Block spanBlock(const printing::CardLayout& layout, int column, double span)
{
    if (layout.grid == printing::Grid::Digits) {
        const double j = std::floor(span / (printing::kSpanSteps + column * printing::kDigitColumnFactor)
            * printing::kDigitColumnFactor);
        return {j / printing::kDigitColumnFactor, (j + 1) / printing::kDigitColumnFactor, column * j};
    }
    const double j = core::roundHalfEven(span / (printing::kSpanSteps + column) * column);
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
    lotteries::Lottery lottery, const printing::ReferenceMarks& places, const settings::Calibration& near)
{
    const printing::CardLayout& layout = printing::layoutOf(lottery);
    const int column = printing::lastMarkColumn(layout);
    const printing::StartShift& across = layout.horizontalShift;
    const printing::StartShift& down = layout.verticalShift;
    const auto spanOf = [&](double step) {
        return printing::kSpanSteps * step + printing::columnOffset(layout, column, step);
    };

    // Across: the step whose span comes nearest to the distance between the places, then the start
    // halfway between the one that puts the first mark on its place and the one that puts the second.
    const double span = places.first.x - places.second.x;
    const auto acrossOnGrain = [&](double perTwip) {
        const double step = nearestOnGrain(span, printing::kSpanSteps, spanBlock(layout, column, span),
            perTwip, near.horizontalStep, spanOf);
        const double adjusted = places.first.x - printing::kSpanSteps * step + (spanOf(step) - span) / 2;
        const double start = nearestOnGrain(adjusted, 1, startBlock(across, adjusted), perTwip,
            near.horizontalStart, [&](double value) { return across.applied(value); });
        return Axis {start, step};
    };
    // As Placement places the marks: slot 1's first column, slot 5's reference column.
    const auto reachesAcross = [&](const Axis& axis) {
        const double adjusted = across.applied(axis.start);
        const double first = adjusted + printing::kSpanSteps * axis.step;
        const double second = adjusted - printing::columnOffset(layout, column, axis.step);
        return std::abs(first - places.first.x) <= kFirstMarkReach
            && std::abs(second - places.second.x) <= kSecondMarkReachAcross;
    };

    // Down: the start that puts the first mark on its place, then the whole step nearest to what the
    // second mark asks for from there.
    const auto downOnGrain = [&](double perTwip) {
        const double start = nearestOnGrain(places.first.y, 1, startBlock(down, places.first.y), perTwip,
            near.verticalStart, [&](double value) { return down.applied(value); });
        const double step
            = core::roundHalfEven((places.second.y - down.applied(start)) / (printing::kRows - 1));
        return Axis {start, step};
    };
    // The print run drops the fraction of a row offset, which only a kept step can have.
    const auto reachesDown = [&](const Axis& axis) {
        const double adjusted = down.applied(axis.start);
        const double second = adjusted + std::trunc((printing::kRows - 1) * axis.step);
        return std::abs(adjusted - places.first.y) <= kFirstMarkReach
            && std::abs(second - places.second.y) <= kSecondMarkReachDown;
    };

    const Axis h
        = coarsestThatReaches({near.horizontalStart, near.horizontalStep}, acrossOnGrain, reachesAcross);
    const Axis v = coarsestThatReaches({near.verticalStart, near.verticalStep}, downOnGrain, reachesDown);
    return {h.start, h.step, v.start, v.step};
}

} // namespace calibration
