#include "fakes.h"
#include "qt_printing.h"
#include "quick/generator.h"
#include "row_name.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using fakes::ScriptedRandom;

TEST(Draw, StaysWithinOneToN)
{
    const float belowOne = std::nextafter(1.0F, 0.0F);
    for (const int n : {31, 43, 133, 762}) {
        ScriptedRandom random;
        random.values = {0.0F, belowOne, 0.5F};
        EXPECT_EQ(quick::draw(random, n), 1) << n;
        EXPECT_EQ(quick::draw(random, n), n) << n;
        EXPECT_EQ(quick::draw(random, n), n / 2 + 1) << n;
    }
}

TEST(DayParity, IsTheParityOfTheDayOfTheMonth)
{
    const std::pair<QDate, bool> days[] {{{2026, 12, 6}, true}, {{2026, 12, 7}, false},
        {{2026, 12, 10}, true}, {{2026, 12, 30}, true}, {{2026, 12, 31}, false}, {{2027, 1, 1}, false}};
    for (const auto& [date, even] : days)
        EXPECT_EQ(quick::isEvenDay(date), even) << date.toString(Qt::ISODate).toStdString();
}

TEST(NumbersLines, RearrangeThePickedCandidateByDayParity)
{
    const QList<QByteArray> three {"000", "123", "999"};
    const QList<QByteArray> four {"0000", "1234", "9999"};
    ScriptedRandom random;
    // Entry 2 of each table, four times over.
    random.values = QList<float>(8, ScriptedRandom::drawing(2, 3));
    EXPECT_EQ(quick::numbers3Line(three, random, true, 'C'), "132C");
    EXPECT_EQ(quick::numbers3Line(three, random, false, 'C'), "312C");
    EXPECT_EQ(quick::numbers4Line(four, random, true, 'B'), "3124B");
    EXPECT_EQ(quick::numbers4Line(four, random, false, 'B'), "2143B");
    EXPECT_EQ(quick::numbers4Line(four, random, false, 'A'), "2143A");
    EXPECT_EQ(random.taken, 5);
}

struct DrawCase {
    const char* name;
    bool loto6;
    QList<QList<int>> draws; // one list per attempt
    QByteArray line;
};

class LotoRule : public testing::TestWithParam<DrawCase> { };

TEST_P(LotoRule, RedrawsUntilASetPassesThenSortsIt)
{
    const DrawCase& c = GetParam();
    const int highest = c.loto6 ? 43 : 31;
    ScriptedRandom random;
    for (const QList<int>& attempt : c.draws) {
        for (const int number : attempt)
            random.values.append(ScriptedRandom::drawing(number, highest));
    }
    const qsizetype scripted = random.values.size();
    EXPECT_EQ(c.loto6 ? quick::loto6Line(random) : quick::miniLotoLine(random), c.line);
    // The accepted set is the last attempt scripted: nothing more was drawn.
    EXPECT_EQ(random.taken, scripted);
}

INSTANTIATE_TEST_SUITE_P(Draws, LotoRule,
    testing::Values(
        // The sum counts the first five numbers only: 109 is too low whatever the sixth.
        DrawCase {
            "Loto6FirstFiveSum109", true, {{10, 20, 30, 40, 9, 43}, {9, 20, 30, 40, 11, 1}}, "010911203040"},
        DrawCase {"Loto6OddSum111", true, {{10, 20, 30, 40, 11, 2}, {43, 42, 41, 30, 8, 5}}, "050830414243"},
        DrawCase {"Loto6Sum165OddAnd166High", true,
            {{43, 42, 41, 30, 9, 1}, {43, 42, 41, 30, 10, 1}, {1, 2, 3, 43, 42, 41}, {30, 20, 10, 40, 10, 1},
                {30, 20, 10, 40, 12, 13}},
            "101213203040"},
        DrawCase {
            "Loto6RepeatedSixth", true, {{10, 20, 30, 40, 12, 12}, {10, 20, 30, 40, 12, 7}}, "071012203040"},
        DrawCase {"MiniLotoSum59", false, {{5, 6, 7, 10, 31}, {31, 11, 7, 6, 5}}, "0506071131"},
        DrawCase {"MiniLotoSum100", false, {{31, 30, 29, 8, 2}}, "0208293031"},
        DrawCase {
            "MiniLotoSum101", false, {{31, 30, 29, 8, 3}, {1, 2, 3, 4, 5}, {31, 30, 29, 8, 2}}, "0208293031"},
        DrawCase {"MiniLotoRepeated", false, {{20, 20, 10, 5, 6}, {20, 19, 10, 5, 6}}, "0506101920"}),
    rowName);

} // namespace
