// Rounding as the settings file's values and the card grid's columns are rounded, halves to even, so that
// a value read back and a column worked out agree on every system.
#pragma once

#include <cmath>

namespace core {

// The nearest whole number; a value exactly halfway goes to the even neighbour (360.5 to 360).
inline double roundHalfEven(double value)
{
    if (std::abs(value - std::trunc(value)) == 0.5)
        return 2.0 * std::round(value / 2.0);
    return std::round(value);
}

} // namespace core
