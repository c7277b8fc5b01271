#include "data_folder.h"
#include "draws/check_table.h"

#include <gtest/gtest.h>

namespace {

using lotteries::Draw;

class CheckTable : public testing::Test, protected DataFolder {
protected:
    const lotteries::LotteryRules& m_rules = lotteries::rulesOf(lotteries::Lottery::Numbers4);
    draws::CheckTableModel m_table {nullptr};
};

TEST_F(CheckTable, RowsShowEachLineAgainstEachDrawAndTheTallyCountsThemAll)
{
    write("numbers4.txt", "3312B\r\n3213A\r\n1111B\r\nmemo\r\n2213A\r\n");
    const QList<Draw> draws {Draw {6300, {}, {3, 2, 1, 3}, 0}, Draw {6301, {}, {1, 1, 1, 1}, 0}};
    ASSERT_TRUE(m_table.check(m_rules, filePath("numbers4.txt"), draws).ok());
    EXPECT_EQ(m_table.rowsText({8, 0, 1, 2, 4}),
        u"回号\t行\tセット\t一致\t等級\n"
        "6300\t1\t3-3-1-2.B\t3-1-\tボックス\n"
        "6300\t2\t3-2-1-3.A\t3213\tストレート\n"
        "6300\t3\t1-1-1-1.B\t--1-\tすべて同じ数字のボックス・セット（発券できません）\n"
        "6300\t5\t2-2-1-3.A\t-213\tはずれ\n"
        "6301\t4\tm-e-m-o.o\t\tセットではない行\n"_qs);

    const std::optional<draws::Tally> tally
        = draws::tallyOf(m_rules, m_table.lines(), draws, [](qsizetype) { return true; });
    ASSERT_TRUE(tally.has_value());
    draws::Tally expected;
    expected.prizes.at(static_cast<std::size_t>(lotteries::Prize::Box)) = 1;
    expected.prizes.at(static_cast<std::size_t>(lotteries::Prize::Straight)) = 1;
    expected.prizes.at(static_cast<std::size_t>(lotteries::Prize::None)) = 4;
    expected.refusals.at(static_cast<std::size_t>(lotteries::Refusal::AllDigitsAlike)) = 2;
    expected.refusals.at(static_cast<std::size_t>(lotteries::Refusal::NoEntry)) = 2;
    EXPECT_EQ(*tally, expected);
    EXPECT_EQ(draws::tallyOf(m_rules, m_table.lines(), draws, [](qsizetype) { return false; }), std::nullopt);
}

} // namespace
