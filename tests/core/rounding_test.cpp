#include "core/rounding.h"

#include <gtest/gtest.h>
#include <utility>

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    const std::pair<double, double> cases[] {{360.5, 360}, {361.5, 362}, {0.5, 0}, {1.5, 2}, {-0.5, 0},
        {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {-360.7, -361}, {1e300, 1e300}};
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(core::roundHalfEven(value), rounded) << value;
}
