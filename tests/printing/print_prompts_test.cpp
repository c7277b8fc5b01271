// What the user is told when a print run is refused or stops, from the failure the run gives back.
#include "printing/print_prompts.h"
#include "qt_printing.h"
#include "row_name.h"
#include "ui/app_info.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

using settings::CalibrationValue;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct CalibrationCase {
    const char* name;
    printing::CalibrationFault fault;
    QString text;
};

class CalibrationRefusal : public testing::TestWithParam<CalibrationCase> { };

// Told under the calibration window's title, whichever window the print was asked for in.
TEST_P(CalibrationRefusal, NamesTheValueAndWhereToPutItRight)
{
    const CalibrationCase& c = GetParam();
    EXPECT_EQ(printing::printFailurePrompt(c.fault, u"ＬＯＴＯ６カード印刷"_qs),
        ui::Prompt({u"印字位置の設定"_qs, c.text, ui::PromptIcon::Critical, ui::PromptButtons::Ok}));
}

INSTANTIATE_TEST_SUITE_P(Calibrations, CalibrationRefusal,
    testing::Values(
        CalibrationCase {"VerticalStepTooLarge", {CalibrationValue::VerticalStep, 1e10},
            u"「縦ステップ」の値 10000000000 では印刷できません。\n「印字位置の設定」で値を直してください。"_qs},
        CalibrationCase {"InfiniteStart", {CalibrationValue::HorizontalStart, -kInfinity},
            u"「横開始位置」の値 -∞ では印刷できません。\n「印字位置の設定」で値を直してください。"_qs}),
    rowName);

TEST(PrintFailurePrompt, APrintFileThatCannotBeReadIsNamedWithTheSystemsReason)
{
    const QString path = "/home/user/lotocard/loto6.txt";
    const ui::Prompt prompt
        = printing::printFailurePrompt(core::FileFailure {path, "No such file"}, u"ＬＯＴＯ６カード印刷"_qs);
    EXPECT_EQ(prompt.title, ui::applicationTitle());
    EXPECT_TRUE(prompt.text.contains(path)) << prompt.text.toStdString();
    EXPECT_TRUE(prompt.text.contains("No such file")) << prompt.text.toStdString();
    EXPECT_EQ(prompt.buttons, ui::PromptButtons::Ok);
}

struct StopCase {
    const char* name;
    printing::SurfaceFault fault;
    QString text;
};

class PrinterStop : public testing::TestWithParam<StopCase> { };

// The reason names the printer, whose name may hold anything, "%2" included.
TEST_P(PrinterStop, SaysWhichCardsWentToThePrinter)
{
    const StopCase& c = GetParam();
    EXPECT_EQ(printing::printFailurePrompt(c.fault, u"ＬＯＴＯ６カード印刷"_qs),
        ui::Prompt({u"ＬＯＴＯ６カード印刷"_qs, c.text, ui::PromptIcon::Critical, ui::PromptButtons::Ok}));
}

INSTANTIATE_TEST_SUITE_P(Cards, PrinterStop,
    testing::Values(StopCase {"NoneSent", {u"プリンタ「a%2b」が印刷を受け付けませんでした。"_qs, 1},
                        u"プリンタ「a%2b」が印刷を受け付けませんでした。\n1 枚目のカードで印刷を止めました。"
                        u"プリンタに送ったカードはありません。"_qs},
        StopCase {"FirstSent", {u"プリンタ「%1%3」が印刷を受け付けませんでした。"_qs, 2},
            u"プリンタ「%1%3」が印刷を受け付けませんでした。\n2 枚目のカードで印刷を止めました。"
            u"1 枚目のカードはプリンタに送りました。"_qs},
        StopCase {"FirstToFourthSent", {u"プリンタ「office/%2」が見つかりません。"_qs, 5},
            u"プリンタ「office/%2」が見つかりません。\n5 枚目のカードで印刷を止めました。"
            u"1～4 枚目のカードはプリンタに送りました。"_qs}),
    rowName);

} // namespace
