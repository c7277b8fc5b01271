#include "calibration/test_sheet.h"
#include "failure_of.h"
#include "fakes.h"
#include "printers_folder.h"
#include "printing/card_preview.h"
#include "qt_printing.h"
#include "row_name.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

using Box = fakes::RecordingSurface::Box;
using lotteries::Lottery;

using SheetTest = PrintersFolder;

QSet<QString> keysOf(const QList<QRectF>& rects)
{
    QSet<QString> keys;
    for (const QRectF& rect : rects)
        keys.insert(QStringLiteral("%1 %2 %3 %4")
                        .arg(rect.left())
                        .arg(rect.top())
                        .arg(rect.right())
                        .arg(rect.bottom()));
    return keys;
}

struct GridCase {
    const char* name;
    Lottery lottery;
    const char* printFile;
    QByteArray oneSlot; // lines that together mark every position of one slot
    int positions;
};

class Grid : public SheetTest, public testing::WithParamInterface<GridCase> { };

// The outlines are where the print run puts its boxes: printed in every slot, the lines that mark
// every position give exactly the outlines of the test sheet.
TEST_P(Grid, OutlinesEveryBoxThePrintRunCanDrawAndNothingElse)
{
    const GridCase& c = GetParam();
    const settings::Calibration calibration {1975.5, 238.5, -90.25, 361};
    QByteArray everySlot;
    // Each line five times running fills a card with it, so that every line lands in every slot.
    for (const QByteArray& line : c.oneSlot.split('\n'))
        everySlot += (line + "\r\n").repeated(5);
    write(c.printFile, everySlot);
    write("ravelov1.ini", "a\r\nb\r\n1975.5\r\n238.5\r\n-90.25\r\n361\r\n");
    ASSERT_TRUE(printing::printCards(printFile(c.lottery), folder(), m_printer).ok());
    QList<QRectF> printed;
    for (const QList<Box>& card : m_printer.cards) {
        for (const Box& box : card)
            printed.append(QRectF(QPointF(box.x1, box.y1), QPointF(box.x2, box.y2)).normalized());
    }

    const auto placement = printing::Placement::of(c.lottery, calibration).value();
    const calibration::TestSheet sheet
        = calibration::testSheet(c.lottery, placement, calibration, kOffice, {2026, 12, 7});
    EXPECT_EQ(sheet.underlay.outlines.size(), 5 * c.positions);
    EXPECT_EQ(keysOf(sheet.underlay.outlines), keysOf(printed));
}

INSTANTIATE_TEST_SUITE_P(Lotteries, Grid,
    testing::Values(GridCase {"Loto6", Lottery::Loto6, "loto6.txt",
                        "010203040506\n070809101112\n131415161718\n192021222324\n252627282930\n"
                        "313233343536\n373839404142\n434343434343",
                        43},
        GridCase {"MiniLoto", Lottery::MiniLoto, "miniloto.txt",
            "0102030405\n0607080910\n1112131415\n1617181920\n2122232425\n2627282930\n3131313131", 31},
        GridCase {"Numbers4", Lottery::Numbers4, "numbers4.txt",
            "0000A\n1111B\n2222C\n3333A\n4444A\n5555A\n6666A\n7777A\n8888A\n9999A", 4 * 10 + 3},
        GridCase {"Numbers3", Lottery::Numbers3, "numbers3.txt",
            "000A\n111B\n222C\n333A\n444A\n555A\n666A\n777A\n888A\n999A", 3 * 10 + 3}),
    rowName);

struct ReferenceCase {
    Lottery lottery;
    Box first;
    Box second;
};

class Reference : public SheetTest, public testing::WithParamInterface<ReferenceCase> { };

TEST_P(Reference, MarksAreTheOnlyBoxesOfOnePageOnThePrinterInUse)
{
    write("lotocard.ini", "[printer]\r\nname=office\r\n");
    EXPECT_TRUE(
        calibration::printTestSheet(GetParam().lottery, {}, folder(), m_printers, {2026, 12, 7}).ok());
    EXPECT_EQ(m_printers.runs, QStringList({"office"}));
    ASSERT_EQ(m_printer.cards.size(), 1);
    EXPECT_EQ(m_printer.ends, 1);
    EXPECT_EQ(m_printer.cards.first(), QList<Box>({GetParam().first, GetParam().second}));
}

INSTANTIATE_TEST_SUITE_P(DefaultCalibration, Reference,
    testing::Values(ReferenceCase {Lottery::Loto6, {6735, 90, 6695, 290}, {1023, 3330, 983, 3530}},
        ReferenceCase {Lottery::MiniLoto, {6814, 81, 6774, 281}, {1340, 3321, 1300, 3521}},
        ReferenceCase {Lottery::Numbers4, {6716, 90, 6676, 290}, {1359, 3330, 1319, 3530}},
        ReferenceCase {Lottery::Numbers3, {6719, 90, 6679, 290}, {1561, 3330, 1521, 3530}}));

TEST_F(SheetTest, TheSheetSaysWhatItWasPrintedWith)
{
    const auto placement = printing::Placement::of(Lottery::MiniLoto, {}).value();
    const seams::Drawing sheet
        = calibration::testSheet(Lottery::MiniLoto, placement, {0.5, 238, 90, 360}, kOffice, {2026, 12, 7})
              .underlay;
    QStringList texts;
    for (const seams::DrawnText& text : sheet.texts)
        texts.append(text.text);
    EXPECT_TRUE(texts.contains(u"テスト印刷　ミニロト"_qs));
    EXPECT_TRUE(texts.contains(u"横開始位置 0.5　横ステップ 238　縦開始位置 90　縦ステップ 360"_qs));
    EXPECT_TRUE(texts.contains(u"プリンタ office　2026/12/07"_qs));
    // Rulers from the printable area's corner, 200 x 287 mm here: a tick a millimetre, numbered every 10.
    EXPECT_EQ(texts.count(u"100"_qs), 2);
    EXPECT_EQ(texts.count(u"280"_qs), 1);
    EXPECT_TRUE(sheet.lines.contains(QLineF(0, 0, 0, 1.5 * 1440 / 25.4)));
    EXPECT_EQ(sheet.lines.size(), 2 + 201 + 288);
}

struct SheetRefusalCase {
    const char* name;
    QByteArray settings; // empty: the defaults
    QString chosen;
    QString defaultPrinter;
    printing::PrintFailure failure;
};

class SheetRefusal : public SheetTest, public testing::WithParamInterface<SheetRefusalCase> { };

TEST_P(SheetRefusal, IsThePrintRunsAndNoPrinterIsAsked)
{
    const SheetRefusalCase& c = GetParam();
    write("loto6.txt", "011522304143\r\n");
    if (!c.settings.isEmpty())
        write("ravelov1.ini", c.settings);
    if (!c.chosen.isEmpty())
        write("lotocard.ini", "[printer]\r\nname=" + c.chosen.toUtf8() + "\r\n");
    m_printers.defaultPrinter = c.defaultPrinter;
    const auto preview = printing::previewCards(printFile(Lottery::Loto6), folder(), m_printers);
    ASSERT_TRUE(!preview.ok());
    EXPECT_EQ(preview.failure(), c.failure);
    EXPECT_EQ(failureOf(calibration::printTestSheet(Lottery::Loto6,
                  c.settings.isEmpty() ? settings::Calibration {} : settings::Calibration {0, 0, 0, 1e10},
                  folder(), m_printers, {2026, 12, 7})),
        c.failure);
    EXPECT_TRUE(m_printers.runs.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(PreviewsAndTestSheets, SheetRefusal,
    testing::Values(
        SheetRefusalCase {"ChosenPrinterGone", {}, "gone", "office", printing::MissingPrinter {"gone"}},
        SheetRefusalCase {"NoPrinterAtAll", {}, {}, {},
            printing::SurfaceFault {u"通常使うプリンタが設定されていません。"_qs, 1}},
        SheetRefusalCase {"VerticalStepTooLarge", "a\r\nb\r\n0\r\n0\r\n0\r\n1E10\r\n", {}, "office",
            printing::CalibrationFault {settings::CalibrationValue::VerticalStep, 1e10}}),
    rowName);

} // namespace
