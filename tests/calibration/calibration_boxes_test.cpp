#include "calibration/calibration_boxes.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

using calibration::BoxTexts;
using settings::CalibrationValue;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(OpeningTexts, ShowTheValuesInDecimalWithAZeroBeforeThePoint)
{
    const auto opening = [](settings::Calibration values, const settings::ValueLines& lines = {}) {
        return calibration::openingTexts({values, lines});
    };
    EXPECT_EQ(opening({1975, 238, 90, 360}), (BoxTexts {"1975", "238", "90", "360"}));
    EXPECT_EQ(opening({19.5, 0.5, -0.5, 361}), (BoxTexts {"19.5", "0.5", "-0.5", "361"}));
    EXPECT_EQ(opening({0.125, -0.000001, 1e20, 0}).front(), "0.125");
    // A step beyond 32 bits shows the nearest one the window can hold; a number too large to write
    // shows its line as the file has it.
    EXPECT_EQ(opening({kInfinity, -kInfinity, 1e20, 3e9}, {" 1E999 ", "-1d400\x83\x81", "1E20", "3E9"}),
        (BoxTexts {"1E999", u"-1d400メ"_qs, "1E+20", "2147483647"}));
    EXPECT_EQ(opening({0, 0, 0, -3e9}).back(), "-2147483648");
}

struct NudgeCase {
    CalibrationValue value;
    const char16_t* text;
    int step;
    const char16_t* shown;
};

class Nudge : public testing::TestWithParam<NudgeCase> { };

TEST_P(Nudge, ShowsTheValueOneTwipOn)
{
    const NudgeCase& c = GetParam();
    EXPECT_EQ(calibration::nudged(c.value, QString::fromUtf16(c.text), c.step), QString::fromUtf16(c.shown));
}

INSTANTIATE_TEST_SUITE_P(Boxes, Nudge,
    testing::Values(NudgeCase {CalibrationValue::HorizontalStart, u"1975", +1, u"1976"},
        NudgeCase {CalibrationValue::HorizontalStart, u"1975", -1, u"1974"},
        NudgeCase {CalibrationValue::HorizontalStep, u"19.5", +1, u"20.5"},
        NudgeCase {CalibrationValue::VerticalStart, u".5", -1, u"-0.5"},
        NudgeCase {CalibrationValue::HorizontalStep, u"-.5", +1, u"0.5"},
        NudgeCase {CalibrationValue::VerticalStart, u"-1", +1, u"0"},
        // Text that is not a number counts as what the settings file would read it as.
        NudgeCase {CalibrationValue::HorizontalStart, u"", +1, u"1"},
        NudgeCase {CalibrationValue::HorizontalStep, u"abc", -1, u"-1"},
        NudgeCase {CalibrationValue::HorizontalStep, u"238abc", +1, u"239"},
        NudgeCase {CalibrationValue::HorizontalStart, u"1E999", +1, u"1E999"},
        // The vertical step is whole: 360.5 is held as 360.
        NudgeCase {CalibrationValue::VerticalStep, u"360", +1, u"361"},
        NudgeCase {CalibrationValue::VerticalStep, u"360.5", +1, u"361"},
        NudgeCase {CalibrationValue::VerticalStep, u"361.5", -1, u"361"},
        NudgeCase {CalibrationValue::VerticalStep, u"", -1, u"-1"},
        NudgeCase {CalibrationValue::VerticalStep, u"2147483647", +1, u"2147483647"},
        NudgeCase {CalibrationValue::VerticalStep, u"2147483647", -1, u"2147483646"},
        NudgeCase {CalibrationValue::VerticalStep, u"-2147483648", -1, u"-2147483648"},
        NudgeCase {CalibrationValue::VerticalStep, u"9E99", -1, u"2147483646"},
        NudgeCase {CalibrationValue::VerticalStep, u"-1E999", +1, u"-2147483647"}));

TEST(SavedLines, ReadEachBoxAsANumberUnrounded)
{
    const auto lines = calibration::savedLines({"2000", "238abc", "abc", "360.7"});
    ASSERT_TRUE(lines.ok());
    EXPECT_EQ(lines.value(), (settings::ValueLines {"2000", "238", "0", "360.7"}));
    EXPECT_EQ(calibration::savedLines({" 1 975", "", "-.50", "1e3"}).value(),
        (settings::ValueLines {"1975", "0", "-.5", "1000"}));
}

TEST(SavedLines, RefuseTheFirstBoxTooLargeToWrite)
{
    EXPECT_EQ(calibration::savedLines({"1975", "238", "1E999", "-1E999"}).failure(),
        CalibrationValue::VerticalStart);
    EXPECT_EQ(
        calibration::savedLines({"1975", "238", "90", "-1E400"}).failure(), CalibrationValue::VerticalStep);
    EXPECT_EQ(calibration::savedLines({"1975", "1.7976931348623157E308", "90", "360"}).failure(),
        CalibrationValue::HorizontalStep);
}

} // namespace
