#include "ui/window_layout.h"
#include "window_fixture.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace {

class PreviewTest : public WindowTest {
protected:
    void SetUp() override
    {
        m_printers.printers = {{"office", "A4", {210, 297}, {5, 5, 5, 5}, cards::PrinterState::Idle}};
        m_printers.defaultPrinter = "office";
    }

    QWidget* open(tickets::Lottery lottery)
    {
        m_navigator.loadMain();
        m_navigator.openCard(lottery);
        m_window = onlyWindow();
        return m_window;
    }

    // Presses "プレビュー" and hands the preview to act while it is open; nothing when none opened.
    QDialog* preview(const std::function<void(QDialog*)>& act)
    {
        return whileModal(
            [this] { QTest::mouseClick(control<QPushButton>(m_window, "Command5"), Qt::LeftButton); }, act);
    }

    QWidget* m_window = nullptr;
};

struct ButtonCase {
    tickets::Lottery lottery;
    ui::TwipRect command5;
    ui::TwipRect command1; // as it always was
    const char* nextInTabOrder;
};

class PreviewButton : public PreviewTest, public testing::WithParamInterface<ButtonCase> { };

TEST_P(PreviewButton, StandsUnderTheCloseButtonAndFollowsThePrintButton)
{
    const ButtonCase& c = GetParam();
    open(c.lottery);
    auto* command5 = control<QPushButton>(m_window, "Command5");
    EXPECT_EQ(command5->text(), u"プレビュー"_qs);
    EXPECT_EQ(command5->geometry(), ui::pixelRect(c.command5));
    EXPECT_EQ(control(m_window, "Command1")->geometry(), ui::pixelRect(c.command1));
    EXPECT_GE(m_window->height(), command5->geometry().bottom());
    EXPECT_EQ(control(m_window, "Command2")->nextInFocusChain(), command5);
    EXPECT_EQ(command5->nextInFocusChain()->objectName(), c.nextInTabOrder);
}

INSTANTIATE_TEST_SUITE_P(CardWindows, PreviewButton,
    testing::Values(
        ButtonCase {tickets::Lottery::Loto6, {240, 6600, 4335, 495}, {240, 5880, 4335, 615}, "Command1"},
        ButtonCase {tickets::Lottery::MiniLoto, {240, 6600, 3855, 495}, {240, 5880, 3855, 615}, "Command1"},
        ButtonCase {tickets::Lottery::Numbers4, {2880, 3840, 2415, 495}, {2880, 3000, 2415, 615}, "List1"},
        ButtonCase {
            tickets::Lottery::Numbers3, {2520, 3720, 2415, 495}, {2520, 2880, 2415, 615}, "Command3"}));

TEST_F(PreviewTest, ShowsAPagePerCardAndEscLeavesTheCardWindowAsItWas)
{
    write("numbers3.txt", QByteArray("123A\r\n").repeated(6));
    open(tickets::Lottery::Numbers3);
    const QDialog* shown = preview([](QDialog* dialog) {
        EXPECT_EQ(classOf(dialog), "frmPreview");
        EXPECT_NE(dialog->findChild<QLabel*>("Page2"), nullptr);
        EXPECT_EQ(dialog->findChild<QLabel*>("Page3"), nullptr);
        QTest::keyClick(dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_NE(shown, nullptr);
    EXPECT_EQ(classOf(onlyWindow()), "Form4");
    EXPECT_TRUE(m_printers.runs.isEmpty());
    EXPECT_EQ(content("numbers3.txt"), QByteArray("123A\r\n").repeated(6));
}

TEST_F(PreviewTest, PrintingFromThePreviewIsThePrintStartButtonsRun)
{
    write("loto6.txt", "011522304143\r\n");
    open(tickets::Lottery::Loto6);
    preview(
        [](QDialog* dialog) { QTest::mouseClick(control<QPushButton>(dialog, "cmdPrint"), Qt::LeftButton); });
    EXPECT_EQ(m_printers.runs, QStringList({""}));
    EXPECT_EQ(m_printer.ends, 1);
    EXPECT_EQ(classOf(onlyWindow()), "Form1");
}

TEST_F(PreviewTest, WhatThePrintRunRefusesThePreviewRefusesTheSameWay)
{
    write("lotocard.ini", "[printer]\r\nname=gone\r\n");
    open(tickets::Lottery::MiniLoto);
    EXPECT_EQ(preview([](QDialog*) {}), nullptr);
    QTest::mouseClick(control<QPushButton>(m_window, "Command2"), Qt::LeftButton);
    ASSERT_EQ(m_prompter.asked.size(), 2);
    EXPECT_EQ(m_prompter.asked.at(0), m_prompter.asked.at(1));
    EXPECT_EQ(m_prompter.asked.at(0).title, u"ＭＩＮＩＬＯＴＯカード印刷"_qs);
}

} // namespace
