#include "printing/card_layout.h"
#include "qt_printing.h"
#include "row_name.h"

#include <gtest/gtest.h>
#include <limits>

namespace printing {
void PrintTo(const MarkPoint& point, std::ostream* os)
{
    *os << "(" << point.x << ", " << point.y << ")";
}
} // namespace printing

namespace {

using lotteries::Lottery;
using printing::CalibrationFault;
using printing::CalibrationValue;
using printing::MarkPoint;
using printing::Placement;
using settings::Calibration;

constexpr Calibration kDefaults {};
constexpr double kInfinity = std::numeric_limits<double>::infinity();

Placement placed(Lottery lottery, const Calibration& calibration = kDefaults)
{
    const auto placement = Placement::of(lottery, calibration);
    EXPECT_TRUE(placement.ok());
    return placement.value();
}

struct SlotCase {
    Lottery lottery;
    Calibration calibration;
    double horizontalStart;
    double verticalStart;
    std::array<double, 5> slotBases;
};

class SlotBases : public testing::TestWithParam<SlotCase> { };

TEST_P(SlotBases, FollowTheStartAdjustmentOfTheCard)
{
    const SlotCase& c = GetParam();
    const Placement placement = placed(c.lottery, c.calibration);
    EXPECT_EQ(placement.horizontalStart(), c.horizontalStart);
    EXPECT_EQ(placement.verticalStart(), c.verticalStart);
    for (int slot = 1; slot <= 5; ++slot)
        EXPECT_EQ(placement.slotBase(slot), c.slotBases.at(slot - 1)) << "slot " << slot;
}

INSTANTIATE_TEST_SUITE_P(Cards, SlotBases,
    testing::Values(SlotCase {Lottery::Loto6, kDefaults, 1975, 90, {6735, 5545, 4355, 3165, 1975}},
        SlotCase {Lottery::Loto6, {1975, 238.5, 90, 360}, 1975, 90, {6745, 5552.5, 4360, 3167.5, 1975}},
        SlotCase {Lottery::MiniLoto, kDefaults, 2054, 81, {6814, 5624, 4434, 3244, 2054}},
        SlotCase {Lottery::MiniLoto, {2000, 238, 95, 360}, 2080, 86, {6840, 5650, 4460, 3270, 2080}},
        SlotCase {Lottery::MiniLoto, {1975, 238, -15, 360}, 2054, -13, {6814, 5624, 4434, 3244, 2054}},
        SlotCase {Lottery::MiniLoto, {24, 0, 9, 360}, 24, 9, {24, 24, 24, 24, 24}},
        SlotCase {Lottery::MiniLoto, {-1, 0, -1, 360}, -2, 0, {-2, -2, -2, -2, -2}},
        SlotCase {Lottery::Numbers4, kDefaults, 1956, 90, {6716, 5526, 4336, 3146, 1956}},
        SlotCase {Lottery::Numbers4, {1999, 100, 90, 360}, 1980, 90, {3980, 3480, 2980, 2480, 1980}},
        SlotCase {Lottery::Numbers4, {100, 0, 0.5, 360}, 99, 0.5, {99, 99, 99, 99, 99}},
        SlotCase {Lottery::Numbers4, {99, 0, 90, 360}, 99, 90, {99, 99, 99, 99, 99}},
        SlotCase {Lottery::Numbers4, {-150, 0, 90, 360}, -148, 90, {-148, -148, -148, -148, -148}},
        SlotCase {Lottery::Numbers3, kDefaults, 1959, 90, {6719, 5529, 4339, 3149, 1959}},
        SlotCase {Lottery::Numbers3, {120, 0, 90, 360}, 119, 90, {119, 119, 119, 119, 119}},
        SlotCase {Lottery::Numbers3, {119, 0, 90, 360}, 119, 90, {119, 119, 119, 119, 119}},
        SlotCase {Lottery::Numbers3, {1999, 0, 90, 360}, 1983, 90, {1983, 1983, 1983, 1983, 1983}}));

struct MarksCase {
    const char* name;
    Lottery lottery;
    Calibration calibration;
    int slot;
    QString line;
    QList<MarkPoint> marks;
};

class Marks : public testing::TestWithParam<MarksCase> { };

TEST_P(Marks, StandWhereTheGridPutsThem)
{
    const MarksCase& c = GetParam();
    EXPECT_EQ(placed(c.lottery, c.calibration).marks(c.slot, c.line), c.marks);
}

INSTANTIATE_TEST_SUITE_P(Lines, Marks,
    testing::Values(MarksCase {"Loto6TopRow", Lottery::Loto6, kDefaults, 1, "102030401020",
                        {{6735, 90}, {6497, 90}, {6259, 90}, {6021, 90}, {6735, 90}, {6497, 90}}},
        MarksCase {"Loto6BottomRowInSlotFive", Lottery::Loto6, kDefaults, 5, "011121314101",
            {{1975, 3330}, {1737, 3330}, {1499, 3330}, {1261, 3330}, {1023, 3330}, {1975, 3330}}},
        // Above 43 in the last column, zero and below in the first, both in the top row; the last
        // number is the line's last two characters.
        MarksCase {"Loto6OutsideTheGrid", Lottery::Loto6, kDefaults, 1, "4499-1ab 7",
            {{5783, 90}, {5783, 90}, {6735, 90}, {6735, 90}, {6735, 1170}, {6735, 1170}}},
        MarksCase {"Loto6ShortLine", Lottery::Loto6, kDefaults, 1, "5",
            {{6735, 1890}, {6735, 90}, {6735, 90}, {6735, 90}, {6735, 90}, {6735, 1890}}},
        MarksCase {"Loto6HalfTwipStep", Lottery::Loto6, {1975, 238.5, 90, 360}, 1, "011121314101",
            {{6745, 3330}, {6507, 3330}, {6268, 3330}, {6029, 3330}, {5791, 3330}, {6745, 3330}}},
        MarksCase {"Loto6FractionalStart", Lottery::Loto6, {1975.25, 238, 90.5, 360}, 2, "434343434343",
            {{4593.25, 2610.5}, {4593.25, 2610.5}, {4593.25, 2610.5}, {4593.25, 2610.5}, {4593.25, 2610.5},
                {4593.25, 2610.5}}},
        MarksCase {"MiniLotoTopRow", Lottery::MiniLoto, kDefaults, 1, "1020303299",
            {{6814, 81}, {6576, 81}, {6338, 81}, {6814, 81}, {6814, 81}}},
        MarksCase {"MiniLotoBottomRow", Lottery::MiniLoto, kDefaults, 1, "0111213100",
            {{6814, 3321}, {6576, 3321}, {6338, 3321}, {6100, 3321}, {6814, 81}}},
        MarksCase {"Numbers4BottomRow", Lottery::Numbers4, kDefaults, 1, "0000A",
            {{6716, 3330}, {6517, 3330}, {6318, 3330}, {6119, 3330}, {5920, 2970}}},
        MarksCase {"Numbers4EmptyLine", Lottery::Numbers4, kDefaults, 1, "",
            {{6716, 3330}, {6517, 3330}, {6318, 3330}, {6119, 3330}}},
        MarksCase {"Numbers4LowerCasePlayType", Lottery::Numbers4, kDefaults, 1, "9999a",
            {{6716, 90}, {6517, 90}, {6318, 90}, {6119, 90}}},
        MarksCase {"Numbers4ShortLineWithPlayType", Lottery::Numbers4, kDefaults, 1, "9B",
            {{6716, 90}, {6517, 3330}, {6318, 3330}, {6119, 3330}, {5920, 2250}}},
        MarksCase {"Numbers4FullWidth", Lottery::Numbers4, kDefaults, 1, u"１２３４Ａ"_qs,
            {{6716, 3330}, {6517, 3330}, {6318, 3330}, {6119, 3330}}},
        MarksCase {"Numbers4StepOfHundred", Lottery::Numbers4, {1975, 100, 90, 360}, 1, "5555C",
            {{3956, 1530}, {3872, 1530}, {3788, 1530}, {3704, 1530}, {3620, 1530}}},
        MarksCase {"Numbers3PlayTypeInFourthColumn", Lottery::Numbers3, kDefaults, 3, "999C",
            {{4339, 90}, {4140, 90}, {3941, 90}, {3742, 1530}}}),
    rowName);

struct FaultCase {
    const char* name;
    Lottery lottery;
    Calibration calibration;
    std::optional<CalibrationFault> fault;
};

class Refusal : public testing::TestWithParam<FaultCase> { };

TEST_P(Refusal, NamesTheValueThatCannotBePrintedWith)
{
    const FaultCase& c = GetParam();
    const auto placement = Placement::of(c.lottery, c.calibration);
    const auto* fault = (placement.ok() ? nullptr : &placement.failure());
    EXPECT_EQ(fault ? std::optional(*fault) : std::nullopt, c.fault);
}

INSTANTIATE_TEST_SUITE_P(Calibrations, Refusal,
    testing::Values(FaultCase {"InfiniteStart", Lottery::Loto6, {kInfinity, 238, 90, 360},
                        CalibrationFault {CalibrationValue::HorizontalStart, kInfinity}},
        FaultCase {"InfiniteStep", Lottery::Numbers3, {1975, -kInfinity, 90, 360},
            CalibrationFault {CalibrationValue::HorizontalStep, -kInfinity}},
        FaultCase {"InfiniteVerticalStart", Lottery::MiniLoto, {1975, 238, kInfinity, 360},
            CalibrationFault {CalibrationValue::VerticalStart, kInfinity}},
        FaultCase {"VerticalStepBeyond32Bits", Lottery::Loto6, {1975, 238, 90, 3e9},
            CalibrationFault {CalibrationValue::VerticalStep, 3e9}},
        FaultCase {"NineRowsBeyond32Bits", Lottery::Numbers4, {1975, 238, 90, -2.4e8},
            CalibrationFault {CalibrationValue::VerticalStep, -2.4e8}},
        FaultCase {"FourColumnsBeyond32Bits", Lottery::Loto6, {1975, 6e8, 90, 360},
            CalibrationFault {CalibrationValue::HorizontalStep, 6e8}},
        FaultCase {"SlotBaseBeyond32Bits", Lottery::MiniLoto, {1975, 6e8, 90, 360},
            CalibrationFault {CalibrationValue::HorizontalStep, 6e8}},
        FaultCase {"DigitColumnsBeyond32Bits", Lottery::Numbers4, {1975, 7e8, 90, 360},
            CalibrationFault {CalibrationValue::HorizontalStep, 7e8}},
        FaultCase {"StartBeyond32Bits", Lottery::Loto6, {-2.2e9, 238, 90, 360},
            CalibrationFault {CalibrationValue::HorizontalStart, -2.2e9}},
        FaultCase {"VerticalStartBeyond32Bits", Lottery::Numbers3, {1975, 238, 3e9, 360},
            CalibrationFault {CalibrationValue::VerticalStart, 3e9}},
        FaultCase {"BoxBottomBeyond32Bits", Lottery::Loto6, {1975, 238, 90, 238609294},
            CalibrationFault {CalibrationValue::VerticalStep, 238609294}},
        FaultCase {"LargeButPrintable", Lottery::Loto6, {-1e6, 1e5, -5e5, 1e6}, std::nullopt},
        FaultCase {"AllZero", Lottery::Numbers4, {0, 0, 0, 0}, std::nullopt}),
    rowName);

} // namespace
