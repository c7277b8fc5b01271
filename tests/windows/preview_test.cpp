#include "printing/preview_window.h"
#include "window_fixture.h"

#include <QDialog>
#include <QPushButton>
#include <QScrollBar>

namespace {

class PreviewTest : public WindowTest {
protected:
    void SetUp() override
    {
        m_printers.printers = {{"office", "A4", {210, 297}, {5, 5, 5, 5}, seams::PrinterState::Idle}};
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
    const char* nextInTabOrder; // what followed the print button before
};

class PreviewButton : public PreviewTest, public testing::WithParamInterface<ButtonCase> { };

// Under the close button, as wide, with the gap the print button leaves above the close button.
TEST_P(PreviewButton, StandsUnderTheCloseButtonAndFollowsThePrintButton)
{
    const ButtonCase& c = GetParam();
    open(&app::Navigator::openCard, c.lottery);
    auto* command5 = control<QPushButton>(m_window, "Command5");
    EXPECT_EQ(command5->text(), u"プレビュー"_qs);
    const QRect print = control(m_window, "Command2")->geometry();
    const QRect close = control(m_window, "Command1")->geometry();
    const QRect preview = command5->geometry();
    EXPECT_EQ(preview.left(), close.left());
    EXPECT_EQ(preview.width(), close.width());
    // A pixel either way for the rounding of twips.
    EXPECT_NEAR(preview.top() - close.bottom(), close.top() - print.bottom(), 1);
    EXPECT_GE(m_window->height(), preview.bottom());
    EXPECT_EQ(control(m_window, "Command2")->nextInFocusChain(), command5);
    EXPECT_EQ(command5->nextInFocusChain()->objectName(), c.nextInTabOrder);
}

INSTANTIATE_TEST_SUITE_P(CardWindows, PreviewButton,
    testing::Values(ButtonCase {lotteries::Lottery::Loto6, "Command1"},
        ButtonCase {lotteries::Lottery::MiniLoto, "Command1"},
        ButtonCase {lotteries::Lottery::Numbers4, "List1"},
        ButtonCase {lotteries::Lottery::Numbers3, "Command3"}));

TEST_F(PreviewTest, ShowsAPagePerCardAndEscLeavesTheCardWindowAsItWas)
{
    write("numbers3.txt", QByteArray("123A\r\n").repeated(6));
    open(&app::Navigator::openCard, lotteries::Lottery::Numbers3);
    const QDialog* shown = preview([](QDialog* dialog) {
        EXPECT_EQ(formOf(dialog), "frmPreview");
        EXPECT_EQ(control<printing::PreviewPages>(dialog, "Picture1")->pageCount(), 2);
        QTest::keyClick(dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_NE(shown, nullptr);
    EXPECT_EQ(formOf(onlyWindow()), "Form4");
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
        auto* pages = control<printing::PreviewPages>(dialog, "Picture1");
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
    EXPECT_EQ(m_printers.runs, QStringList({"office"}));
    EXPECT_EQ(m_printer.ends, 1);
    EXPECT_EQ(formOf(onlyWindow()), "Form1");
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
