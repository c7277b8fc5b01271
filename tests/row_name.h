// Names each row of a parameterized test after the name its case carries, for the last argument of
// INSTANTIATE_TEST_SUITE_P.
#pragma once

#include <gtest/gtest.h>
#include <string>

struct RowName {
    template <typename Case> std::string operator()(const testing::TestParamInfo<Case>& info) const
    {
        return info.param.name;
    }
};

inline constexpr RowName rowName;
