#include "qt_printing.h"
#include "row_name.h"
#include "tickets/pasted_sets.h"

#include <gtest/gtest.h>

namespace {

using lotteries::Lottery;
using tickets::PastedLine;

struct PastedCase {
    const char* name;
    Lottery lottery;
    QString text;
    std::optional<QByteArray> stored; // nothing: refused
    QString reason = {}; // of a refusal: all of it, or the part that tells it from the others
};

class PastedSet : public testing::TestWithParam<PastedCase> { };

TEST_P(PastedSet, IsStoredAsTheEntryBoxStoresItOrRefusedWithItsReason)
{
    const PastedCase& c = GetParam();
    const QList<PastedLine> lines = tickets::readPastedSets(lotteries::rulesOf(c.lottery), c.text);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0].stored, c.stored);
    EXPECT_EQ(lines[0].reason.isEmpty(), c.stored.has_value());
    EXPECT_TRUE(lines[0].reason.contains(c.reason)) << lines[0].reason.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Loto, PastedSet,
    testing::Values(PastedCase {"Loto6OwnForm", Lottery::Loto6, "011522304143", "011522304143"},
        PastedCase {"Loto6SpacesSingleDigit", Lottery::Loto6, "1 15 22 30 41 43", "011522304143"},
        PastedCase {"Loto6Commas", Lottery::Loto6, "01,15,22,30,41,43", "011522304143"},
        PastedCase {"Loto6Dashes", Lottery::Loto6, "01-15-22-30-41-43", "011522304143"},
        PastedCase {"Loto6Tabs", Lottery::Loto6, "1\t15\t22\t30\t41\t43", "011522304143"},
        PastedCase {
            "Loto6FullWidth", Lottery::Loto6, u"０１　１５　２２　３０　４１　４３"_qs, "011522304143"},
        PastedCase {"Loto6ListLine", Lottery::Loto6, "  1  01-15-22-30-41-43", "011522304143"},
        PastedCase {"Loto6ListLine1000", Lottery::Loto6, "000  01-15-22-30-41-43", "011522304143"},
        PastedCase {"Loto6ListLineMissingANumber", Lottery::Loto6, "  1  01-15-22-30-41", std::nullopt,
            u"足りません"_qs},
        PastedCase {"MiniLotoSpaces", Lottery::MiniLoto, "3 9 14 18 28", "0309141828"},
        PastedCase {"Loto6SingleBlankAfterFirstIsNoPlace", Lottery::Loto6, "1 15 22 30 41 43 7", std::nullopt,
            u"数字が多すぎます（ロト６は数字 6 個、続けて書くときは 12 けたです）。"_qs},
        PastedCase {"Loto6TooFew", Lottery::Loto6, "01 15 22 30 41", std::nullopt, u"数字が足りません"_qs},
        PastedCase {
            "Loto6OwnFormOneShort", Lottery::Loto6, "01152230414", std::nullopt, u"数字が足りません"_qs},
        PastedCase {"Loto6Is44", Lottery::Loto6, "1 15 22 30 41 44", std::nullopt,
            u"44 は 01～43 の範囲にありません。"_qs},
        PastedCase {"Loto6OwnFormIs44", Lottery::Loto6, "011522304144", std::nullopt, u"44 は 01～43"_qs},
        PastedCase {"Loto6Is0", Lottery::Loto6, "0 15 22 30 41 43", std::nullopt, u"0 は 01～43"_qs},
        PastedCase {
            "Loto6ThreeDigits", Lottery::Loto6, "1 15 22 30 41 143", std::nullopt, u"143 は 01～43"_qs},
        PastedCase {"MiniLotoIs32", Lottery::MiniLoto, "1 9 17 25 32", std::nullopt, u"32 は 01～31"_qs},
        PastedCase {"Loto6NoDigits", Lottery::Loto6, u"本数字"_qs, std::nullopt, u"数字がありません。"_qs}),
    rowName);

INSTANTIATE_TEST_SUITE_P(Numbers, PastedSet,
    testing::Values(PastedCase {"Numbers4Together", Lottery::Numbers4, "1234A", "1234A"},
        PastedCase {"Numbers4LowerCaseAfterBlank", Lottery::Numbers4, "1234 a", "1234A"},
        PastedCase {"Numbers4ListForm", Lottery::Numbers4, "1-2-3-4.A", "1234A"},
        PastedCase {"Numbers4Box", Lottery::Numbers4, u"1234 ボックス"_qs, "1234B"},
        PastedCase {"Numbers4ApartSet", Lottery::Numbers4, u"0 0 1 2 セット"_qs, "0012C"},
        PastedCase {"Numbers4Csv", Lottery::Numbers4, "0012,b", "0012B"},
        PastedCase {"Numbers4FullWidth", Lottery::Numbers4, u"１２３４　Ｃ"_qs, "1234C"},
        PastedCase {"Numbers4ListLine", Lottery::Numbers4, "  1  1-2-3-4.A", "1234A"},
        PastedCase {"Numbers4ListLineMissingADigit", Lottery::Numbers4, "  1  1-2-3.A", std::nullopt,
            u"足りません"_qs},
        PastedCase {"Numbers3ListLine1000", Lottery::Numbers3, "000  7-0-5.C", "705C"},
        PastedCase {
            "Numbers4NoPlayType", Lottery::Numbers4, "1234", std::nullopt, u"申込タイプがありません"_qs},
        PastedCase {"Numbers4PlayTypeD", Lottery::Numbers4, "1234D", std::nullopt,
            u"「D」は申込タイプではありません（A、B、C のどれかです）。"_qs},
        PastedCase {"Numbers4SingleBlankAfterFirstIsNoPlace", Lottery::Numbers4, "1 1234A", std::nullopt,
            u"数字が多すぎます（ナンバーズ４は 4 けたです）。"_qs},
        PastedCase {"Numbers3TooFew", Lottery::Numbers3, "12A", std::nullopt, u"数字が足りません"_qs},
        PastedCase {
            "Numbers4NoDigits", Lottery::Numbers4, u"ストレート"_qs, std::nullopt, u"数字がありません。"_qs}),
    rowName);

TEST(PastedSets, CountEveryLineWhateverEndsItAndLeaveOutBlankOnes)
{
    const QString text = u"011522304143\r\n\r\n  \r\n  1 2 3 \n　\r01-02-03-04-05-06\r\n"_qs;
    const QList<PastedLine> expected {
        {1, "011522304143", "011522304143", {}},
        {4, "1 2 3", std::nullopt,
            u"数字が足りません（ロト６は数字 6 個、続けて書くときは 12 けたです）。"_qs},
        {6, "01-02-03-04-05-06", "010203040506", {}},
    };
    EXPECT_EQ(tickets::readPastedSets(lotteries::rulesOf(Lottery::Loto6), text), expected);
}

} // namespace
