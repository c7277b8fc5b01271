#include "data_folder.h"
#include "qt_printing.h"
#include "row_name.h"
#include "settings/program_settings.h"

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
    ASSERT_TRUE(settings::readChosenPrinter(folder).ok());
    EXPECT_EQ(settings::readChosenPrinter(folder).value(), c.chosen);
    EXPECT_TRUE(settings::saveChosenPrinter(folder, c.choose).ok());
    EXPECT_EQ(content("lotocard.ini"), c.after.value_or("<missing>"));
    EXPECT_EQ(settings::readChosenPrinter(folder).value(), c.choose);
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

} // namespace
