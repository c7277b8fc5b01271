#include "printing/painter_surface.h"
#include "qt_printing.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

constexpr double kInchesPerMetre = 1 / 0.0254;

// Sheets of white paper with their own resolution, kept when they are finished.
struct PaperSheets final : printing::SheetSource {
    PaperSheets(int dpiX, int dpiY)
        : dpiX(dpiX)
        , dpiY(dpiY)
    { }

    seams::PrintStep begin(QPainter& painter) override
    {
        if (refuse)
            return QStringLiteral("out of paper");
        m_sheet = QImage(dpiX * 8, dpiY * 4, QImage::Format_RGB32);
        m_sheet.setDotsPerMeterX(qRound(dpiX * kInchesPerMetre));
        m_sheet.setDotsPerMeterY(qRound(dpiY * kInchesPerMetre));
        m_sheet.fill(Qt::white);
        painter.begin(&m_sheet);
        return {};
    }

    seams::PrintStep finish(QPainter& painter) override
    {
        painter.end();
        printed.append(m_sheet);
        return {};
    }

    int dpiX;
    int dpiY;
    bool refuse = false;
    QList<QImage> printed;

private:
    QImage m_sheet;
};

// The black pixels of a sheet as one bounding rectangle, and how many there are.
struct Ink {
    QRect bounds;
    int pixels = 0;
};

Ink inkOn(const QImage& sheet)
{
    Ink ink;
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            if (sheet.pixel(x, y) == qRgb(0, 0, 0)) {
                ink.bounds |= QRect(x, y, 1, 1);
                ++ink.pixels;
            }
        }
    }
    return ink;
}

TEST(PainterSurface, OneTwipIsOneTwipFromTheTopLeftCornerOnEachAxis)
{
    // 144 dots per inch across and 72 down: 10 twips and 20 twips to the dot.
    auto* paper = new PaperSheets(144, 72);
    printing::PainterSurface surface {std::unique_ptr<printing::SheetSource>(paper)};
    EXPECT_TRUE(surface.box(1000, 400, 960, 600).ok());
    EXPECT_TRUE(surface.endCard().ok());
    ASSERT_EQ(paper->printed.size(), 1);
    const Ink ink = inkOn(paper->printed.first());
    EXPECT_EQ(ink.bounds, QRect(QPoint(96, 20), QPoint(99, 29)));
    EXPECT_EQ(ink.pixels, 4 * 10);
}

TEST(PainterSurface, EachCardIsASheetOfItsOwn)
{
    auto* paper = new PaperSheets(144, 144);
    printing::PainterSurface surface {std::unique_ptr<printing::SheetSource>(paper)};
    ASSERT_TRUE(surface.box(40, 0, 0, 200).ok());
    ASSERT_TRUE(surface.box(6735, 3330, 6695, 3530).ok());
    ASSERT_TRUE(surface.endCard().ok());
    ASSERT_TRUE(surface.box(1975, 90, 1935, 290).ok());
    ASSERT_TRUE(surface.endCard().ok());
    // An end with nothing drawn since the last one sends no empty sheet.
    ASSERT_TRUE(surface.endCard().ok());
    ASSERT_EQ(paper->printed.size(), 2);
    EXPECT_EQ(inkOn(paper->printed.at(0)).pixels, 2 * 4 * 20);
    EXPECT_EQ(inkOn(paper->printed.at(0)).bounds, QRect(QPoint(0, 0), QPoint(673, 352)));
    EXPECT_EQ(inkOn(paper->printed.at(1)).bounds, QRect(QPoint(194, 9), QPoint(197, 28)));
}

TEST(PainterSurface, ASheetThatCannotBeHadIsReportedAndNothingIsDrawn)
{
    auto* paper = new PaperSheets(144, 144);
    paper->refuse = true;
    printing::PainterSurface surface {std::unique_ptr<printing::SheetSource>(paper)};
    const seams::PrintStep refused = surface.box(1000, 400, 960, 600);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.failure(), QStringLiteral("out of paper"));
    EXPECT_TRUE(surface.endCard().ok());
    EXPECT_TRUE(paper->printed.isEmpty());
}

TEST(PainterSurface, EverySheetShowsTheUnderlayUnderItsMarks)
{
    auto* paper = new PaperSheets(144, 144);
    seams::Drawing underlay;
    underlay.fills.append(QRectF(2000, 1000, 40, 200));
    printing::PainterSurface surface {std::unique_ptr<printing::SheetSource>(paper), underlay};
    ASSERT_TRUE(surface.box(40, 0, 0, 200).ok());
    ASSERT_TRUE(surface.endCard().ok());
    ASSERT_TRUE(surface.box(40, 0, 0, 200).ok());
    ASSERT_TRUE(surface.endCard().ok());
    ASSERT_EQ(paper->printed.size(), 2);
    for (const QImage& sheet : paper->printed)
        EXPECT_EQ(inkOn(sheet).bounds, QRect(QPoint(0, 0), QPoint(203, 119)));
}

} // namespace
