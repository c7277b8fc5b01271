// The four cards as data, as both the placing of marks and the fitting of a calibration to measured
// marks read them: the grid rule, the start adjustments and the columns.
#pragma once

#include "core/rounding.h"
#include "lotteries/lottery.h"

#include <array>
#include <cmath>

namespace printing {

inline constexpr int kSlotsPerCard = 5;
inline constexpr int kRows = 10;
// Slot 1's base lies this many horizontal steps right of slot 5's.
inline constexpr int kSpanSteps = (kSlotsPerCard - 1) * kSlotsPerCard;
// Numbers columns stand closer together than the steps between LOTO columns.
inline constexpr double kDigitColumnFactor = 0.84;

enum class Grid {
    Loto, // numbers in columns of ten, rising from the bottom row to the top row
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

struct CardLayout {
    lotteries::Lottery lottery;
    Grid grid;
    // LOTO grid: its columns. Digits: one per digit and the play type column after them.
    int columns;
    // LOTO grid: a number above the highest falls in the last column, or else in the first.
    bool highNumbersInLastColumn;
    StartShift horizontalShift;
    StartShift verticalShift;
};

inline constexpr std::array kLayouts {
    CardLayout {lotteries::Lottery::Loto6, Grid::Loto, 5, true, {0, 1}, {0, 1}},
    CardLayout {lotteries::Lottery::MiniLoto, Grid::Loto, 4, false, {+1, 25}, {-1, 10}},
    CardLayout {lotteries::Lottery::Numbers4, Grid::Digits, 5, false, {-1, 100}, {0, 1}},
    CardLayout {lotteries::Lottery::Numbers3, Grid::Digits, 4, false, {-1, 120}, {0, 1}},
};

inline const CardLayout& layoutOf(lotteries::Lottery lottery)
{
    return kLayouts.at(static_cast<std::size_t>(lottery));
}

// The last column that holds numbers or digits; on a Numbers card the play type column follows it.
inline int lastMarkColumn(const CardLayout& layout)
{
    return layout.grid == Grid::Loto ? layout.columns - 1 : layout.columns - 2;
}

// LOTO columns lie whole horizontal steps apart, each offset rounded on its own; Numbers columns lie a
// whole column step apart.
inline double columnStep(const CardLayout& layout, double horizontalStep)
{
    return layout.grid == Grid::Digits ? std::floor(horizontalStep * kDigitColumnFactor) : horizontalStep;
}

inline double columnOffset(const CardLayout& layout, int column, double horizontalStep)
{
    return core::roundHalfEven(column * columnStep(layout, horizontalStep));
}

} // namespace printing
