// The cards a print run would print, drawn for the user to see: the print run's boxes over the grid.
#include "printers_folder.h"
#include "printing/card_preview.h"
#include "qt_printing.h"

#include <gtest/gtest.h>

namespace {

using lotteries::Lottery;

using CardPreviewTest = PrintersFolder;

TEST_F(CardPreviewTest, HasAPagePerCardEachOverTheWholeGrid)
{
    write("loto6.txt", QByteArray("011522304143\r\n").repeated(6));
    m_printers.defaultPrinter = "office";
    const auto preview = printing::previewCards(printFile(Lottery::Loto6), folder(), m_printers).value();
    EXPECT_EQ(preview.printer, kOffice);
    ASSERT_EQ(preview.cards.size(), 2);
    EXPECT_EQ(preview.cards.at(0).outlines.size(), 5 * 43);
    EXPECT_EQ(preview.cards.at(0).fills.size(), 5 * 6);
    EXPECT_EQ(preview.cards.at(1).fills.first(), QRectF(QPointF(6695, 3330), QPointF(6735, 3530)));
    EXPECT_TRUE(m_printers.runs.isEmpty());
    // The defaults stand in for the missing settings file, which the preview leaves missing.
    EXPECT_EQ(content("ravelov1.ini"), "<missing>");

    write("loto6.txt", "");
    const auto empty = printing::previewCards(printFile(Lottery::Loto6), folder(), m_printers).value();
    ASSERT_EQ(empty.cards.size(), 1);
    EXPECT_TRUE(empty.cards.first().fills.isEmpty());
    EXPECT_EQ(empty.cards.first().outlines.size(), 5 * 43);
}

} // namespace
