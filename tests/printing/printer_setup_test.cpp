#include "printing/printer_setup.h"
#include "qt_printing.h"

#include <gtest/gtest.h>

namespace {

struct FakePrinters final : seams::Printers {
    QStringList names() const override { return {"office", "office/cards"}; }
    QString defaultName() const override { return defaultPrinter; }
    std::optional<seams::PrinterDescription> describe(const QString& name) const override
    {
        if (!names().contains(name))
            return std::nullopt;
        return seams::PrinterDescription {name, "A4", {210, 297}, {6.36, 12.7, 3.0, 0.04},
            name == u"office" ? seams::PrinterState::Stopped : seams::PrinterState::Unknown};
    }
    std::unique_ptr<seams::PrintSurface> cards(const QString&, const seams::Drawing&) override
    {
        return nullptr;
    }

    QString defaultPrinter = "office/cards";
};

TEST(PrintSetup, ListsTheDefaultFirstAndAChosenPrinterThatHasGone)
{
    EXPECT_EQ(printing::printerEntries({"office", "office/cards"}, "gone"),
        (QList<printing::PrinterEntry> {{"", u"通常使うプリンタ（システムの設定に従う）"_qs},
            {"office", "office"}, {"office/cards", "office/cards"}, {"gone", u"gone（見つかりません）"_qs}}));
    EXPECT_EQ(printing::printerEntries({}, "").size(), 1);
}

TEST(PrintSetup, DescribesWhatTheCalibrationCountsFrom)
{
    FakePrinters printers;
    EXPECT_EQ(printing::printerDetails("office", printers),
        QStringList({u"プリンタ: office"_qs, u"用紙: A4（210 × 297 mm）"_qs,
            u"印刷できる範囲の余白: 左 6.4 mm、上 12.7 mm、右 3 mm、下 0 mm"_qs, u"状態: 停止中"_qs}));
    EXPECT_EQ(
        printing::printerDetails("", printers).first(), u"プリンタ: office/cards（通常使うプリンタ）"_qs);
    EXPECT_EQ(
        printing::printerDetails("gone", printers), QStringList({u"プリンタ「gone」が見つかりません。"_qs}));
    printers.defaultPrinter.clear();
    EXPECT_EQ(
        printing::printerDetails("", printers), QStringList({u"通常使うプリンタが設定されていません。"_qs}));
}

} // namespace
