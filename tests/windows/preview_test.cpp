#include "cards/preview_window.h"
#include "ui/window_layout.h"
#include "window_fixture.h"

#include <QDialog>
#include <QPushButton>
#include <QScrollBar>

namespace {

class PreviewTest : public WindowTest {
protected:
    void SetUp() override
    {
        m_printers.printers = {{"office", "A4", {210, 297}, {5, 5, 5, 5}, ui::PrinterState::Idle}};
        m_printers.defaultPrinter = "office";
    }

    // Presses "プレビュー" and hands the preview to act while it is open; nothing when none opened.
    QDialog* preview(const std::function<void(QDialog*)>& act)
    {
        return whileModal([this] { click(m_window, "Command5"); }, act);
    }
};

struct ButtonCase {
    lotteries::Lottery lottery;
    ui::TwipRect command5;
    ui::TwipRect command1; // as it always was
    const char* nextInTabOrder;
};

class PreviewButton : public PreviewTest, public testing::WithParamInterface<ButtonCase> { };

TEST_P(PreviewButton, StandsUnderTheCloseButtonAndFollowsThePrintButton)
{
    const ButtonCase& c = GetParam();
    open(&app::Navigator::openCard, c.lottery);
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
        ButtonCase {lotteries::Lottery::Loto6, {240, 6600, 4335, 495}, {240, 5880, 4335, 615}, "Command1"},
        ButtonCase {lotteries::Lottery::MiniLoto, {240, 6600, 3855, 495}, {240, 5880, 3855, 615}, "Command1"},
        ButtonCase {lotteries::Lottery::Numbers4, {2880, 3840, 2415, 495}, {2880, 3000, 2415, 615}, "List1"},
        ButtonCase {
            lotteries::Lottery::Numbers3, {2520, 3720, 2415, 495}, {2520, 2880, 2415, 615}, "Command3"}));

TEST_F(PreviewTest, ShowsAPagePerCardAndEscLeavesTheCardWindowAsItWas)
{
    write("numbers3.txt", QByteArray("123A\r\n").repeated(6));
    open(&app::Navigator::openCard, lotteries::Lottery::Numbers3);
    const QDialog* shown = preview([](QDialog* dialog) {
        EXPECT_EQ(classOf(dialog), "frmPreview");
        EXPECT_EQ(control<cards::PreviewPages>(dialog, "Picture1")->pageCount(), 2);
        QTest::keyClick(dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_NE(shown, nullptr);
    EXPECT_EQ(classOf(onlyWindow()), "Form4");
    EXPECT_TRUE(m_printers.runs.isEmpty());
    EXPECT_EQ(content("numbers3.txt"), QByteArray("123A\r\n").repeated(6));
}

struct ZoomCase {
    int zoomIns; // from the first zoom; below zero, zoom outs
    QSize page; // A4 at the zoom's dots per inch
    int margin; // 5 mm at the zoom
};

class PreviewZoom : public PreviewTest, public testing::WithParamInterface<ZoomCase> { };

TEST_P(PreviewZoom, ManyCardsAreDrawnOnlyWhenTheyComeIntoView)
{
    const ZoomCase& c = GetParam();
    write("loto6.txt", "011522304143\r\n");
    open(&app::Navigator::openCard, lotteries::Lottery::Loto6);
    qsizetype oneCard = 0;
    preview([&](QDialog* dialog) { oneCard = dialog->findChildren<QObject*>().size(); });
    write("loto6.txt", QByteArray("011522304143\r\n").repeated(1500));
    preview([&](QDialog* dialog) {
        // Nothing is made a page: 300 cards open with what one card opens with.
        EXPECT_EQ(dialog->findChildren<QObject*>().size(), oneCard);
        for (int press = 0; press < std::abs(c.zoomIns); ++press)
            click(dialog, c.zoomIns < 0 ? "cmdZoomOut" : "cmdZoomIn");
        auto* pages = control<cards::PreviewPages>(dialog, "Picture1");
        ASSERT_EQ(pages->pageCount(), 300);
        const QRect last = pages->pageRect(299);
        EXPECT_EQ(last.size(), c.page);
        pages->verticalScrollBar()->setValue(last.top());
        const QRect shown = last.translated(0, -pages->verticalScrollBar()->value());
        ASSERT_TRUE(pages->viewport()->rect().contains(shown.topLeft()));
        const QImage view = pages->viewport()->grab().toImage();
        EXPECT_NE(view.pixelColor(shown.topLeft() - QPoint(1, 0)), QColor(Qt::white));
        // White paper, then the printable area's dashed edge.
        int edge = 0;
        while (edge < c.page.width() && view.pixelColor(shown.topLeft() + QPoint(edge, edge)) == Qt::white)
            ++edge;
        EXPECT_NEAR(edge, c.margin, 1);
        EXPECT_EQ(view.pixelColor(shown.topLeft() + QPoint(edge, edge)), QColor(Qt::gray));
    });
}

INSTANTIATE_TEST_SUITE_P(Preview, PreviewZoom,
    testing::Values(ZoomCase {0, {794, 1123}, 19},
        // The third doubling reaches the largest zoom, the fourth stays there.
        ZoomCase {4, {6350, 8980}, 151},
        // Likewise the second halving reaches the smallest.
        ZoomCase {-3, {198, 281}, 5}));

TEST_F(PreviewTest, PrintingFromThePreviewIsThePrintStartButtonsRun)
{
    write("loto6.txt", "011522304143\r\n");
    open(&app::Navigator::openCard, lotteries::Lottery::Loto6);
    preview([](QDialog* dialog) { click(dialog, "cmdPrint"); });
    EXPECT_EQ(m_printers.runs, QStringList({""}));
    EXPECT_EQ(m_printer.ends, 1);
    EXPECT_EQ(classOf(onlyWindow()), "Form1");
}

TEST_F(PreviewTest, WhatThePrintRunRefusesThePreviewRefusesTheSameWay)
{
    write("lotocard.ini", "[printer]\r\nname=gone\r\n");
    open(&app::Navigator::openCard, lotteries::Lottery::MiniLoto);
    EXPECT_EQ(preview([](QDialog*) {}), nullptr);
    click(m_window, "Command2");
    ASSERT_EQ(m_prompter.asked.size(), 2);
    EXPECT_EQ(m_prompter.asked.at(0), m_prompter.asked.at(1));
    EXPECT_EQ(m_prompter.asked.at(0).title, u"ＭＩＮＩＬＯＴＯカード印刷"_qs);
}

} // namespace
