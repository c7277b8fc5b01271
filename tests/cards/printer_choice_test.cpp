#include "cards/printer_choice.h"
#include "cards/printer_setup.h"
#include "data_folder.h"
#include "qt_printing.h"
#include "row_name.h"

#include <gtest/gtest.h>

namespace {

struct ChoiceCase {
    const char* name;
    std::optional<QByteArray> before; // nothing: there is no lotocard.ini
    QString chosen; // what is read from it
    QString choose;
    std::optional<QByteArray> after; // nothing: still no file
};

void PrintTo(const ChoiceCase& row, std::ostream* out)
{
    *out << row.name;
}

class Choice : public testing::TestWithParam<ChoiceCase>, protected DataFolder { };

TEST_P(Choice, IsReadAndKeptWithEveryOtherLineAsItWas)
{
    const ChoiceCase& c = GetParam();
    if (c.before)
        write("lotocard.ini", *c.before);
    const QDir folder(m_dir.path());
    ASSERT_TRUE(cards::readChosenPrinter(folder).ok());
    EXPECT_EQ(cards::readChosenPrinter(folder).value(), c.chosen);
    EXPECT_FALSE(cards::saveChosenPrinter(folder, c.choose));
    EXPECT_EQ(content("lotocard.ini"), c.after.value_or("<missing>"));
    EXPECT_EQ(cards::readChosenPrinter(folder).value(), c.choose);
}

INSTANTIATE_TEST_SUITE_P(LotocardIni, Choice,
    testing::Values(
        ChoiceCase {"NoFileMeansTheDefault", std::nullopt, "", "office", "[printer]\r\nname=office\r\n"},
        ChoiceCase {"TheDefaultMakesNoFile", std::nullopt, "", "", std::nullopt},
        ChoiceCase {"AnInstanceKeepsItsSlash", "[printer]\nname=office\n", "office", "office/cards",
            "[printer]\r\nname=office/cards\r\n"},
        ChoiceCase {"BackToTheDefault", "[printer]\r\nname=office/cards\r\n", "office/cards", "",
            "[printer]\r\nname=\r\n"},
        ChoiceCase {
            "AnEmptyValueIsTheDefault", "[printer]\r\nname=\r\n", "", "pdf", "[printer]\r\nname=pdf\r\n"},
        ChoiceCase {"AsAPersonWroteIt",
            "; cards\r\n[other]\r\nname=x\r\n[ Printer ]\r\n; note\r\n Name = office \r\n", "office", "pdf",
            "; cards\r\n[other]\r\nname=x\r\n[ Printer ]\r\n; note\r\nname=pdf\r\n"},
        ChoiceCase {"ACommentAfterTheGroup", "[other] ; x\r\nname=x\r\n[printer] ; cards\r\nname=office\r\n",
            "office", "pdf", "[other] ; x\r\nname=x\r\n[printer] ; cards\r\nname=pdf\r\n"},
        ChoiceCase {"AGroupWithoutTheKeyGetsIt", "[printer]\r\ncopies=1\r\n[other]\r\n", "", "pdf",
            "[printer]\r\nname=pdf\r\ncopies=1\r\n[other]\r\n"},
        ChoiceCase {"AFileWithoutTheGroupGetsIt", "[other]\r\nname=x", "", "pdf",
            "[other]\r\nname=x\r\n[printer]\r\nname=pdf\r\n"}),
    rowName);

struct FakePrinters final : ui::Printers {
    QStringList names() const override { return {"office", "office/cards"}; }
    QString defaultName() const override { return defaultPrinter; }
    std::optional<ui::PrinterDescription> describe(const QString& name) const override
    {
        if (!names().contains(name))
            return std::nullopt;
        return ui::PrinterDescription {name, "A4", {210, 297}, {6.36, 12.7, 3.0, 0.04},
            name == u"office" ? ui::PrinterState::Stopped : ui::PrinterState::Unknown};
    }
    std::unique_ptr<ui::PrintSurface> cards(const QString&, const ui::Drawing&) override { return nullptr; }

    QString defaultPrinter = "office/cards";
};

TEST(PrintSetup, ListsTheDefaultFirstAndAChosenPrinterThatHasGone)
{
    EXPECT_EQ(cards::printerEntries({"office", "office/cards"}, "gone"),
        (QList<cards::PrinterEntry> {{"", u"通常使うプリンタ（システムの設定に従う）"_qs},
            {"office", "office"}, {"office/cards", "office/cards"}, {"gone", u"gone（見つかりません）"_qs}}));
    EXPECT_EQ(cards::printerEntries({}, "").size(), 1);
}

TEST(PrintSetup, DescribesWhatTheCalibrationCountsFrom)
{
    FakePrinters printers;
    EXPECT_EQ(cards::printerDetails("office", printers),
        QStringList({u"プリンタ: office"_qs, u"用紙: A4（210 × 297 mm）"_qs,
            u"印刷できる範囲の余白: 左 6.4 mm、上 12.7 mm、右 3 mm、下 0 mm"_qs, u"状態: 停止中"_qs}));
    EXPECT_EQ(cards::printerDetails("", printers).first(), u"プリンタ: office/cards（通常使うプリンタ）"_qs);
    EXPECT_EQ(
        cards::printerDetails("gone", printers), QStringList({u"プリンタ「gone」が見つかりません。"_qs}));
    printers.defaultPrinter.clear();
    EXPECT_EQ(
        cards::printerDetails("", printers), QStringList({u"通常使うプリンタが設定されていません。"_qs}));
}

} // namespace
