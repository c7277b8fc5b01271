#include "core/rounding.h"
#include "qt_printing.h"
#include "settings/numeric_text.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct ValueCase {
    const char* text;
    double value;
};

class NumericValue : public testing::TestWithParam<ValueCase> { };

TEST_P(NumericValue, ReadsTheLongestLeadingNumber)
{
    const ValueCase& c = GetParam();
    EXPECT_EQ(settings::numericValue(QByteArrayView(c.text)), c.value) << c.text;
    EXPECT_EQ(settings::numericValue(QString::fromLatin1(c.text)), c.value) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Texts, NumericValue,
    testing::Values(ValueCase {"1975", 1975}, ValueCase {" 1 975 ", 1975}, ValueCase {"\t19\n75", 1975},
        ValueCase {"238abc", 238}, ValueCase {"abc", 0}, ValueCase {"", 0}, ValueCase {"19.5", 19.5},
        ValueCase {".5", 0.5}, ValueCase {"-.5", -0.5}, ValueCase {"5.", 5}, ValueCase {"- 5", -5},
        ValueCase {"+7", 7}, ValueCase {"--1", 0}, ValueCase {"-", 0}, ValueCase {".", 0},
        ValueCase {"1.2.3", 1.2}, ValueCase {"1,5", 1}, ValueCase {"12\r3", 12}, ValueCase {"1E3", 1000},
        ValueCase {"1d3", 1000}, ValueCase {"2.5e-1", 0.25}, ValueCase {"1e + 2", 100}, ValueCase {"1E", 1},
        ValueCase {"1E+", 1}, ValueCase {"1E-x", 1}, ValueCase {"360.7", 360.7}, ValueCase {"0.1", 0.1},
        ValueCase {"123456789012345678901234567890", 1.2345678901234568e29}, ValueCase {"1E999", kInfinity},
        ValueCase {"-1E999", -kInfinity}, ValueCase {"0.00001E310", 1e305}, ValueCase {"100000E-315", 1e-310},
        ValueCase {"1E-999", 0}, ValueCase {"0E99999999999999999999", 0},
        ValueCase {"1E99999999999999999999", kInfinity}, ValueCase {"0.0000000001E-99999999999", 0},
        ValueCase {"\x82\x50\x82\x51", 0}));

TEST(NumericValue, StopsAtCharactersBeyondAscii)
{
    EXPECT_EQ(settings::numericValue(u"１２"), 0);
    EXPECT_EQ(settings::numericValue(u"12　3"), 12);
}

TEST(DecimalText, WritesValuesAsTheSettingsFileKeepsThem)
{
    const std::pair<double, const char*> cases[] {{1975, "1975"}, {19.5, "19.5"}, {0.5, ".5"}, {-0.5, "-.5"},
        {0, "0"}, {-0.0, "0"}, {360.7, "360.7"}, {-1975.25, "-1975.25"}, {0.1 + 0.2, ".3"},
        {2.0 / 3, ".666666666666667"}, {123456789012345, "123456789012345"}, {1e15, "1E+15"},
        {0.0001, ".0001"}, {0.00001, "1E-05"}, {-1.5e-300, "-1.5E-300"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(settings::decimalText(value), QByteArray(text)) << value;
}

TEST(ValueText, ShowsTheDecimalTextOrAnInfinitySign)
{
    EXPECT_EQ(settings::valueText(1e10), "10000000000");
    EXPECT_EQ(settings::valueText(-kInfinity), u"-∞"_qs);
    EXPECT_EQ(settings::valueText(kInfinity), u"∞"_qs);
}

} // namespace
