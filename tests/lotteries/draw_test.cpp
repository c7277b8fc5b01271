#include "lotteries/draw.h"
#include "qt_printing.h"
#include "row_name.h"

#include <gtest/gtest.h>

namespace {

using lotteries::Draw;
using lotteries::readResultLine;
using enum lotteries::Lottery;
using Reader = core::Result<Draw, QString> (*)(lotteries::Lottery, QStringView);

const QDate kDay {2023, 12, 11};
const QList<int> kSix {3, 7, 15, 22, 31, 40};
const QList<int> kFive {1, 9, 17, 25, 31};
const Draw k1850 {1850, kDay, kSix, 12};

struct ReadCase {
    const char* name;
    lotteries::Lottery lottery;
    QString text;
    Draw draw;
    Reader read = lotteries::readDraw;
};

class DrawRead : public testing::TestWithParam<ReadCase> { };

TEST_P(DrawRead, TakesTheNumbersAndWhatIsWrittenBeforeThem)
{
    const core::Result<Draw, QString> draw = GetParam().read(GetParam().lottery, GetParam().text);
    ASSERT_TRUE(draw.ok()) << draw.failure().toStdString();
    EXPECT_EQ(draw.value(), GetParam().draw);
}

INSTANTIATE_TEST_SUITE_P(Typed, DrawRead,
    testing::Values(ReadCase {"Loto6Marked", Loto6, u"第1850回 2023/12/11 03 07 15 22 31 40 12"_qs, k1850},
        ReadCase {"Loto6PlainBeforeDate", Loto6, "1850 2023-12-11 3-7-15-22-31-40 B12", k1850},
        ReadCase {"Loto6KanjiDateOrderKept", Loto6, u"2023年12月11日 40,31,22,15,07,03 (12)"_qs,
            {0, kDay, {40, 31, 22, 15, 7, 3}, 12}},
        ReadCase {"Loto6MarkedAfterDate", Loto6, u"2023/12/11 第1850回 3 7 15 22 31 40 12"_qs, k1850},
        ReadCase {"Loto6OneMore", Loto6, "1850 3 7 15 22 31 40 12", {1850, {}, kSix, 12}},
        ReadCase {
            "Loto6FullWidth", Loto6, u"０３　０７　１５　２２　３１　４０（１２）"_qs, {0, {}, kSix, 12}},
        ReadCase {"MiniLoto", MiniLoto, "1 9 17 25 31 (4)", {0, {}, kFive, 4}},
        ReadCase {"Numbers4Together", Numbers4, "0012", {0, {}, {0, 0, 1, 2}, 0}},
        ReadCase {"Numbers4Apart", Numbers4, "1 2 3 4", {0, {}, {1, 2, 3, 4}, 0}},
        ReadCase {"Numbers4PlainBeforeDate", Numbers4, "6300 2023/12/11 1234", {6300, kDay, {1, 2, 3, 4}, 0}},
        ReadCase {"Numbers4Marked", Numbers4, u"第6300回 1234"_qs, {6300, {}, {1, 2, 3, 4}, 0}},
        ReadCase {"Numbers3FullWidth", Numbers3, u"第６３００回　２０２３年１２月１１日　７０５"_qs,
            {6300, kDay, {7, 0, 5}, 0}}),
    rowName);

// Prize columns follow the numbers.
INSTANTIATE_TEST_SUITE_P(ResultLines, DrawRead,
    testing::Values(ReadCase {"Loto6Csv", Loto6, u"1850,2023/12/11,3,7,15,22,31,40,12,1口,200,000,000円"_qs,
                        k1850, readResultLine},
        ReadCase {"Loto6Tsv", Loto6, u"第1850回\t2023年12月11日\t03\t07\t15\t22\t31\t40\t(12)\t該当なし"_qs,
            k1850, readResultLine},
        ReadCase {"MiniLotoNoDate", MiniLoto, u"1200 1 9 17 25 31 4 5口 1,000,000円"_qs, {1200, {}, kFive, 4},
            readResultLine},
        ReadCase {"Numbers4", Numbers4, u"6300,2023/12/11,1234,90口,1,000,000円"_qs,
            {6300, kDay, {1, 2, 3, 4}, 0}, readResultLine}),
    rowName);

struct RefusedCase {
    const char* name;
    lotteries::Lottery lottery;
    QString text;
    QString reason; // all of it, or the part that tells it from the others
    Reader read = lotteries::readDraw;
};

class DrawRefused : public testing::TestWithParam<RefusedCase> { };

TEST_P(DrawRefused, SaysWhy)
{
    const core::Result<Draw, QString> draw = GetParam().read(GetParam().lottery, GetParam().text);
    ASSERT_FALSE(draw.ok());
    EXPECT_TRUE(draw.failure().contains(GetParam().reason)) << draw.failure().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Typed, DrawRefused,
    testing::Values(
        RefusedCase {"Loto6Bonus00", Loto6, "3 7 15 22 31 40 00", u"00 は 1～43 の範囲にありません。"_qs},
        RefusedCase {"MiniLoto32", MiniLoto, "1 9 17 25 32 4", u"32 は 1～31 の範囲にありません。"_qs},
        RefusedCase {"Loto6MainTwice", Loto6, "3 7 15 15 31 40 12", u"本数字の 15 が 2 回あります。"_qs},
        RefusedCase {
            "Loto6BonusIsMain", Loto6, u"3 7 15 22 31 40 （１５）"_qs, u"ボーナス数字の 15 が本数字にも"_qs},
        RefusedCase {"Loto6TooFew", Loto6, "3 7 15 22 31 40",
            u"数字が足りません（ロト６は本数字 6 個とボーナス数字 1 個です）。"_qs},
        RefusedCase {"Loto6TwoMore", Loto6, "1850 3 7 15 22 31 40 12 5", u"数字が多すぎます"_qs},
        RefusedCase {"Loto6DateNotDrawNumber", Loto6, "2023/12/11 3 7 15 22 31", u"数字が足りません"_qs},
        RefusedCase {"Loto6MarkedLast", Loto6, u"3 7 15 22 31 40 12 第1850回"_qs, u"回号は数字より前に"_qs},
        RefusedCase {
            "Loto6DrawNumber7Digits", Loto6, "1234567 3 7 15 22 31 40 12", u"回号 1234567 は 1～999999"_qs},
        RefusedCase {"Loto6DrawNumber0", Loto6, u"第0回 3 7 15 22 31 40 12"_qs, u"回号 0 は 1～999999"_qs},
        RefusedCase {"Loto6SlashDate", Loto6, "2023/2/30 3 7 15 22 31 40 12", u"2023/2/30 という日付"_qs},
        RefusedCase {
            "Loto6KanjiDate", Loto6, u"2023年13月1日 3 7 15 22 31 40 12"_qs, u"2023年13月1日 という日付"_qs},
        RefusedCase {"Loto6KanjiNoDay", Loto6, u"2023年12月 3 7 15 22 31 40 12 5"_qs, u"数字が多すぎます"_qs},
        RefusedCase {"Loto6NoNumbers", Loto6, u"ボーナス"_qs, u"数字がありません。"_qs},
        RefusedCase {"Numbers4DrawNumber", Numbers4, "6123 1234",
            u"数字が多すぎます（ナンバーズ４は 4 けたです）。"_qs},
        RefusedCase {"Numbers4DrawNumberApart", Numbers4, "6300 1 2 3 4", u"数字が多すぎます"_qs},
        RefusedCase {"Numbers3TooFew", Numbers3, "1 2", u"数字が足りません"_qs}),
    rowName);

INSTANTIATE_TEST_SUITE_P(ResultLines, DrawRefused,
    testing::Values(RefusedCase {"NoDrawNumber", Loto6, "2023/12/11,3,7,15,22,31,40,12",
                        u"回号がありません"_qs, readResultLine},
        RefusedCase {
            "Numbers4FiveDigits", Numbers4, "6300,2023/12/11,12345", u"数字が多すぎます"_qs, readResultLine},
        RefusedCase {"Heading", Loto6, u"回号,抽せん日,本数字"_qs, u"数字がありません。"_qs, readResultLine}),
    rowName);

struct FileCase {
    const char* name;
    lotteries::Lottery lottery;
    Draw draw;
    QByteArray line;
};

class DrawFileLine : public testing::TestWithParam<FileCase> { };

TEST_P(DrawFileLine, IsWrittenAndReadBack)
{
    EXPECT_EQ(lotteries::drawFileLine(GetParam().lottery, GetParam().draw), GetParam().line);
    const core::Result<Draw, QString> read = lotteries::readDrawFileLine(GetParam().lottery, GetParam().line);
    ASSERT_TRUE(read.ok()) << read.failure().toStdString();
    EXPECT_EQ(read.value(), GetParam().draw);
}

INSTANTIATE_TEST_SUITE_P(Kept, DrawFileLine,
    testing::Values(FileCase {"Loto6", Loto6, k1850, "1850,2023/12/11,3,7,15,22,31,40,12"},
        FileCase {"MiniLotoNoDate", MiniLoto, {1200, {}, kFive, 4}, "1200,,1,9,17,25,31,4"},
        FileCase {"Numbers4Zeros", Numbers4, {6300, kDay, {0, 0, 1, 2}, 0}, "6300,2023/12/11,0012"},
        FileCase {"Numbers3DayPadded", Numbers3, {6301, {2024, 1, 5}, {7, 0, 5}, 0}, "6301,2024/01/05,705"}),
    rowName);

class DrawFileLineRefused : public testing::TestWithParam<QByteArray> { };

// Each line is one step away from a kept line of one lottery, and is no other lottery's line either.
TEST_P(DrawFileLineRefused, TakesNothingButTheWrittenForm)
{
    for (const lotteries::Lottery lottery : {Loto6, MiniLoto, Numbers4, Numbers3})
        EXPECT_FALSE(lotteries::readDrawFileLine(lottery, GetParam()).ok()) << static_cast<int>(lottery);
}

INSTANTIATE_TEST_SUITE_P(Kept, DrawFileLineRefused,
    testing::Values("1850,2023/12/11,03,7,15,22,31,40,12", "1850,2023/12/11,3,7,15,22,31,40",
        "1850,2023/12/11,3,7,15,22,31,40,12,1", "1850,2023/12/1,3,7,15,22,31,40,12",
        "1850,2023/02/30,3,7,15,22,31,40,12", "0,,3,7,15,22,31,40,12", "1850,,3,7,15,22,31,44,12",
        "1850,,3,7,15,22,31,40,7", "1850,,3,7,15,22,31,40,12\r", "1850 ,,3,7,15,22,31,40,12",
        "6300,2023/12/11,12a4", "6300,2023/12/11,12345"));

} // namespace
