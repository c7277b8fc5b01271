#include "calibration/calibration_boxes.h"
#include "calibration/calibration_correction.h"
#include "core/units.h"
#include "qt_printing.h"
#include "row_name.h"
#include "settings/numeric_text.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

using calibration::CorrectionRefusal;
using calibration::MeasuredOffsets;
using lotteries::Lottery;
using printing::Placement;
using printing::ReferenceMarks;
using settings::Calibration;
using settings::CalibrationValue;
using Reason = CorrectionRefusal::Reason;

constexpr Calibration kDefaults {};
constexpr double kInfinity = std::numeric_limits<double>::infinity();

ReferenceMarks referenceMarks(Lottery lottery, const Calibration& calibration)
{
    const auto placement = Placement::of(lottery, calibration);
    EXPECT_TRUE(placement.ok());
    return placement.value().referenceMarks();
}

Calibration corrected(Lottery lottery, const Calibration& printed, const MeasuredOffsets& offsets)
{
    const auto correction = calibration::correctedCalibration(lottery, printed, offsets);
    EXPECT_TRUE(correction.ok());
    return correction.ok() ? correction.value() : printed;
}

double twips(double millimetres)
{
    return millimetres * core::kTwipsPerMillimetre;
}

double millimetres(double twips)
{
    return twips / core::kTwipsPerMillimetre;
}

struct FitCase {
    const char* name;
    Lottery lottery;
    Calibration truth; // where the card has its marks
    Calibration printed; // what the test sheet was printed with
    double readTo = 0; // millimetres a person reads the offsets to; 0 for exactly
    MeasuredOffsets misread {}; // added to what is read, in millimetres
};

class Correction : public testing::TestWithParam<FitCase> { };

// The test sheet's outlines come from the printed calibration, the card's marks from the true one; the
// corrected calibration must place the reference marks where the person measured them.
TEST_P(Correction, PlacesTheReferenceMarksWhereTheyWereMeasured)
{
    const FitCase& c = GetParam();
    const ReferenceMarks card = referenceMarks(c.lottery, c.truth);
    const ReferenceMarks outlines = referenceMarks(c.lottery, c.printed);
    const auto read = [&c](double twipsOff, double misread) {
        const double exact = millimetres(twipsOff);
        return (c.readTo > 0 ? std::round(exact / c.readTo) * c.readTo : exact) + misread;
    };
    const MeasuredOffsets offsets {read(card.first.x - outlines.first.x, c.misread.firstRight),
        read(card.first.y - outlines.first.y, c.misread.firstDown),
        read(card.second.x - outlines.second.x, c.misread.secondRight),
        read(card.second.y - outlines.second.y, c.misread.secondDown)};

    const Calibration result = corrected(c.lottery, c.printed, offsets);
    const ReferenceMarks placed = referenceMarks(c.lottery, result);
    EXPECT_LE(std::abs(placed.first.x - (outlines.first.x + twips(offsets.firstRight))), 1);
    EXPECT_LE(std::abs(placed.first.y - (outlines.first.y + twips(offsets.firstDown))), 1);
    EXPECT_LE(std::abs(placed.second.x - (outlines.second.x + twips(offsets.secondRight))), 1);
    EXPECT_LE(std::abs(placed.second.y - (outlines.second.y + twips(offsets.secondDown))), 5);
    // The boxes show hundredths at most, and the vertical step whole.
    for (const double value : {result.horizontalStart, result.horizontalStep, result.verticalStart}) {
        const QString text = settings::valueText(value);
        const qsizetype point = text.indexOf(u'.');
        EXPECT_LE(point < 0 ? 0 : text.size() - point - 1, 2) << text.toStdString();
        EXPECT_FALSE(text.contains(u'E')) << text.toStdString();
    }
    EXPECT_EQ(result.verticalStep, std::round(result.verticalStep));
}

INSTANTIATE_TEST_SUITE_P(Cards, Correction,
    testing::Values(FitCase {"Loto6ByRuler", Lottery::Loto6, {1990.4, 238.7, 95.3, 362}, kDefaults, 0.1},
        // 4 × 238.125 = 952.5 rounds to the even 952.
        FitCase {"Loto6FractionsAndARoundingTie", Lottery::Loto6, {1975.37, 238.125, 90.75, 360},
            {1980.5, 239.25, 88.5, 358}, 0.1},
        FitCase {
            "Loto6NegativeStarts", Lottery::Loto6, {-120.5, 240.3, -60.2, 365}, {-100, 238, -40, 360}, 0.1},
        FitCase {"Loto6LargeSteps", Lottery::Loto6, {15000.25, 3000.6, 500.5, 4000}, {14000, 2950, 400, 3900},
            0.1},
        FitCase {"Loto6SmallSteps", Lottery::Loto6, {300.3, 2.4, 50.5, 7}, {310, 3, 45, 6}, 0.1},
        // MINILOTO adds ⌊H / 25⌋: 99 up to 2500, 100 from there; and takes ⌊V / 10⌋ off.
        FitCase {"MiniLotoStartBelow2500ByRuler", Lottery::MiniLoto, {2499.6, 238.3, 90, 360},
            {2450, 238, 90, 360}, 0.1},
        FitCase {
            "MiniLotoStartAbove2500", Lottery::MiniLoto, {2500.3, 238.3, 90, 360}, {2550, 238, 90, 360}, 0.1},
        FitCase {"MiniLotoVerticalStartBelow100", Lottery::MiniLoto, {1975, 238.3, 99.5, 361},
            {1975, 238, 120, 360}, 0.1},
        FitCase {"MiniLotoNegativeStarts", Lottery::MiniLoto, {-15.2, 237.9, -15.5, 359}, {-40, 238, 10, 360},
            0.1},
        // The card's start 2000 adjusts to 2080; read 0.4 twip left of it, the place lies among the
        // adjusted starts 2079 to 2080 that no start reaches.
        FitCase {"MiniLotoPlaceAmongSkippedStarts", Lottery::MiniLoto, {2000, 238, 90, 360},
            {2030, 238, 90, 360}, 0, {-0.007, 0, -0.007, 0}},
        FitCase {"MiniLotoLargeSteps", Lottery::MiniLoto, {50000.5, 1500.25, 2000.4, 2000},
            {49000, 1490, 2100, 1990}, 0.1},
        // Numbers4 takes ⌊H / 100⌋ off: 19 up to 2000, 20 from there.
        FitCase {
            "Numbers4StartBelow2000", Lottery::Numbers4, {1999.5, 238.3, 90, 360}, {2050, 238, 90, 360}, 0.1},
        FitCase {"Numbers4StartAbove2000", Lottery::Numbers4, {2000.4, 238.3, 90, 360}, {1950, 238, 90, 360}},
        // 0.84 × 238.095 = 199.9998 gives the column step 199, where 238.1 would give 200.
        FitCase {"Numbers4StepBelowAColumnStepJumpByRuler", Lottery::Numbers4, {1975, 238.095, 90, 360},
            {1975, 237, 90, 360}, 0.1},
        FitCase {
            "Numbers4NegativeStart", Lottery::Numbers4, {-150.5, 119.05, -30, 180}, {-100, 120, 0, 180}, 0.1},
        // The span 20 × 238.09 + 3 × 199 = 5358.8 read 1.7 twips longer falls among the spans from
        // 5358.9 to 5361.9 that no step reaches (the column step jumps from 199 to 200 there).
        FitCase {"Numbers4SpanAmongSkippedSpans", Lottery::Numbers4, {1975, 238.09, 90, 360}, kDefaults, 0,
            {0.03, 0, 0, 0}},
        FitCase {"Numbers4LargeSteps", Lottery::Numbers4, {-20000.5, 2500.3, -500, 3000},
            {-19000, 2400, -400, 2900}, 0.1},
        // Numbers3 takes ⌊H / 120⌋ off: 19 up to 2400, 20 from there; nothing below 120, 1 from there.
        FitCase {
            "Numbers3StartBelow2400", Lottery::Numbers3, {2399.7, 250.4, 90, 360}, {2350, 250, 92, 362}, 0.1},
        FitCase {"Numbers3StartAbove120", Lottery::Numbers3, {120.4, 238, 10.5, 360}, {60, 240, 30, 358}},
        FitCase {"Numbers3SmallSteps", Lottery::Numbers3, {500, 3.1, 40, 8}, {520, 4, 30, 9}, 0.1},
        FitCase {"Numbers3LargeSteps", Lottery::Numbers3, {100000.3, 5000.7, 3000.25, 6000},
            {99000, 5100, 2900, 6100}, 0.1},
        // The span 20 × 238.09 + 2 × 199 read a twip longer falls among the two spans no step reaches.
        FitCase {"Numbers3SpanAmongSkippedSpans", Lottery::Numbers3, {1959, 238.09, 90, 360}, kDefaults, 0,
            {0.018, 0, 0, 0}}),
    rowName);

struct ValuesCase {
    const char* name;
    Lottery lottery;
    Calibration printed;
    MeasuredOffsets twipsOff; // what is measured, in twips
    Calibration values;
};

class CorrectedValues : public testing::TestWithParam<ValuesCase> { };

TEST_P(CorrectedValues, AreTheShortestThatReach)
{
    const ValuesCase& c = GetParam();
    const MeasuredOffsets& off = c.twipsOff;
    const MeasuredOffsets offsets {millimetres(off.firstRight), millimetres(off.firstDown),
        millimetres(off.secondRight), millimetres(off.secondDown)};
    const Calibration result = corrected(c.lottery, c.printed, offsets);
    EXPECT_EQ(result, c.values) << result.horizontalStart << " " << result.horizontalStep << " "
                                << result.verticalStart << " " << result.verticalStep;
}

INSTANTIATE_TEST_SUITE_P(Cards, CorrectedValues,
    testing::Values(ValuesCase {"NothingMeasured", Lottery::Loto6, kDefaults, {}, kDefaults},
        // Within reach already: the user's own values stay.
        ValuesCase {"WithinReach", Lottery::Numbers3, {1975.123, 238.456, 90.5, 360}, {0.9, -0.9, 0.5, 4.9},
            {1975.123, 238.456, 90.5, 360}},
        ValuesCase {"ShiftedSideways", Lottery::Loto6, kDefaults, {56.7, 0, 56.7, 0}, {2032, 238, 90, 360}},
        // Slot 1's 10 lies 10.23 twips further right, slot 5's 41 1.77 twips further left: the step
        // 238.5 spans 12 twips more.
        ValuesCase {
            "StepInTenths", Lottery::Loto6, kDefaults, {10.23, 0, -1.77, 0}, {1975.2, 238.5, 90, 360}},
        ValuesCase {"WholeVerticalStep", Lottery::Loto6, kDefaults, {0, 0.4, 0, 20}, {1975, 238, 90, 362}},
        // The print run drops the half of 9 × 360.5: the second mark lies 4.7 twips from 3329.3.
        ValuesCase {"KeptStepWithAFraction", Lottery::Numbers4, {1975, 238, 90, 360.5}, {0, 0, 0, -4.7},
            {1975, 238, 90, 360.5}},
        // The adjusted start 1980 comes from 1999 and from 2000: the one nearer the printed 2010.
        ValuesCase {"TwoStartsReachIt", Lottery::Numbers4, {2010, 238, 90, 360}, {-10, 0, -10, 0},
            {2000, 238, 90, 360}},
        // The adjusted vertical start 81 comes from 89 and from 90: the one nearer the printed 95.
        ValuesCase {"TwoVerticalStartsReachIt", Lottery::MiniLoto, {1975, 238, 95, 360}, {0, -5, 0, -5},
            {1975, 238, 90, 360}},
        // No start adjusts to 2079.6: 1999 gives 2078, 2000 gives 2080.
        ValuesCase {"SkippedStart", Lottery::MiniLoto, {2030, 238, 90, 360}, {-31.4, 0, -31.4, 0},
            {2000, 238, 90, 360}}),
    rowName);

struct RefusalCase {
    const char* name;
    Lottery lottery;
    Calibration printed;
    MeasuredOffsets offsets;
    CorrectionRefusal refusal;
};

class CorrectionRefused : public testing::TestWithParam<RefusalCase> { };

TEST_P(CorrectionRefused, NamesTheValueItWouldSpoil)
{
    const RefusalCase& c = GetParam();
    const auto correction = calibration::correctedCalibration(c.lottery, c.printed, c.offsets);
    ASSERT_TRUE(!correction.ok());
    EXPECT_EQ(correction.failure(), c.refusal);
}

INSTANTIATE_TEST_SUITE_P(Cards, CorrectionRefused,
    testing::Values(RefusalCase {"PrintedWithAStepBeyond32Bits", Lottery::Loto6, {1975, 238, 90, 3e9}, {},
                        {CalibrationValue::VerticalStep, Reason::NotPrintable}},
        RefusalCase {"InfiniteAcross", Lottery::Loto6, kDefaults, {kInfinity, 0, 0, 0},
            {CalibrationValue::HorizontalStart, Reason::NotPrintable}},
        RefusalCase {"InfiniteDown", Lottery::MiniLoto, kDefaults, {0, 0, 0, -kInfinity},
            {CalibrationValue::VerticalStep, Reason::NotPrintable}},
        RefusalCase {"StartBeyond32Bits", Lottery::Numbers4, kDefaults, {4e7, 0, 4e7, 0},
            {CalibrationValue::HorizontalStart, Reason::NotPrintable}},
        // Slot 1's 10 read 110 mm left of its outline lies left of slot 5's 41.
        RefusalCase {"SlotsReversed", Lottery::Loto6, kDefaults, {-110, 0, 0, 0},
            {CalibrationValue::HorizontalStep, Reason::NotForward}},
        RefusalCase {"RowsReversed", Lottery::Numbers3, kDefaults, {0, 0, 0, -60},
            {CalibrationValue::VerticalStep, Reason::NotForward}},
        // The bottom row read 57.15 mm (3240 twips) up lies on the top row.
        RefusalCase {"RowsOnTopOfEachOther", Lottery::Numbers4, kDefaults, {0, 0, 0, -57.15},
            {CalibrationValue::VerticalStep, Reason::NotForward}}),
    rowName);

struct SummaryCase {
    Calibration current;
    Calibration corrected;
    const char16_t* summary;
};

class Summary : public testing::TestWithParam<SummaryCase> { };

TEST_P(Summary, NamesEachChangeWithItsSign)
{
    const SummaryCase& c = GetParam();
    EXPECT_EQ(calibration::correctionSummary(c.current, c.corrected), QString::fromUtf16(c.summary));
}

INSTANTIATE_TEST_SUITE_P(Corrections, Summary,
    testing::Values(SummaryCase {kDefaults, {2060, 237.4, 102, 359},
                        u"横開始位置 +85、横ステップ -0.6、縦開始位置 +12、縦ステップ -1"},
        SummaryCase {kDefaults, kDefaults, u"変更なし"},
        SummaryCase {kDefaults, {1975, 238.37, 90, 360}, u"横ステップ +0.37"},
        SummaryCase {{1975.125, 238, 90, 360}, {1975.5, 238, 90, 360}, u"横開始位置 +0.375"},
        SummaryCase {
            {-15.5, 238, 0.1, 360}, {20, 238, 0.3, 361}, u"横開始位置 +35.5、縦開始位置 +0.2、縦ステップ +1"},
        SummaryCase {{1975, 238, 0.0000001, 360}, {1975, 238, 0, 360}, u"縦開始位置 -1E-07"}));

} // namespace
