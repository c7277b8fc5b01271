#include "lotteries/prize.h"
#include "row_name.h"

#include <gtest/gtest.h>

namespace {

using lotteries::Draw;
using lotteries::Refusal;
using enum lotteries::Lottery;
using enum lotteries::Prize;

const Draw kLoto6 {0, {}, {1, 15, 22, 30, 41, 43}, 12};
const Draw kMiniLoto {0, {}, {3, 9, 14, 18, 28}, 31};
const Draw k2211 {0, {}, {2, 2, 1, 1}, 0};
const Draw k1111 {0, {}, {1, 1, 1, 1}, 0};
const Draw k705 {0, {}, {7, 0, 5}, 0};

struct CheckCase {
    const char* name;
    lotteries::Lottery lottery;
    QByteArray line;
    Draw draw;
    lotteries::Prize prize;
    QList<int> matched;
    bool bonus = false;
    Refusal refusal = Refusal::None;
};

class CheckLine : public testing::TestWithParam<CheckCase> { };

TEST_P(CheckLine, GivesTheClassOrTheRefusalAndWhatMatched)
{
    const CheckCase& c = GetParam();
    const lotteries::LotteryRules& rules = lotteries::rulesOf(c.lottery);
    const lotteries::SetCheck check = lotteries::checkLine(rules, c.line, c.draw);
    EXPECT_EQ(check.prize, c.prize);
    EXPECT_EQ(check.refusal, c.refusal);
    EXPECT_EQ(check.matched, c.matched);
    EXPECT_EQ(check.bonus, c.bonus);
    // The counts read the line once and meet the draw's keys: the same class.
    const lotteries::SetOfLine set(rules, c.line);
    EXPECT_EQ(set.refusal(), c.refusal);
    EXPECT_EQ(set.prize(lotteries::drawKeys(rules, c.draw)), c.prize);
}

INSTANTIATE_TEST_SUITE_P(Loto6, CheckLine,
    testing::Values(CheckCase {"First", Loto6, "011522304143", kLoto6, First, {1, 15, 22, 30, 41, 43}},
        CheckCase {"FirstInTheSetsOrder", Loto6, "434130221501", kLoto6, First, {43, 41, 30, 22, 15, 1}},
        CheckCase {"FiveAndBonusSecond", Loto6, "011522304112", kLoto6, Second, {1, 15, 22, 30, 41}, true},
        CheckCase {"FiveWithoutBonusThird", Loto6, "011522304113", kLoto6, Third, {1, 15, 22, 30, 41}},
        CheckCase {"FourAndBonusStaysFourth", Loto6, "011522301213", kLoto6, Fourth, {1, 15, 22, 30}, true},
        CheckCase {"ThreeFifth", Loto6, "020115032204", kLoto6, Fifth, {1, 15, 22}},
        CheckCase {"TwoNone", Loto6, "011502030405", kLoto6, None, {1, 15}},
        CheckCase {"RepeatedAmongFive", Loto6, "011522304101", kLoto6, None, {1, 15, 22, 30, 41, 1}, false,
            Refusal::RepeatedNumber},
        CheckCase {"OneShort", Loto6, "01152230414", kLoto6, None, {}, false, Refusal::NoEntry},
        CheckCase {"LettersAtTheEnd", Loto6, "0115223041AA", kLoto6, None, {}, false, Refusal::NoEntry},
        CheckCase {"BlankOneLong", Loto6, "00152230414 3", kLoto6, None, {}, false, Refusal::NoEntry},
        CheckCase {"Field44", Loto6, "011522304144", kLoto6, None, {}, false, Refusal::NoEntry},
        CheckCase {"Field00", Loto6, "001522304143", kLoto6, None, {}, false, Refusal::NoEntry},
        CheckCase {"ShiftJisDigits", Loto6, "\x82\x4f\x82\x50\x82\x50\x82\x54\x82\x51\x82\x51", kLoto6, None,
            {}, false, Refusal::NoEntry}),
    rowName);

INSTANTIATE_TEST_SUITE_P(MiniLoto, CheckLine,
    testing::Values(CheckCase {"First", MiniLoto, "0309141828", kMiniLoto, First, {3, 9, 14, 18, 28}},
        CheckCase {"FourAndBonusSecond", MiniLoto, "0309141831", kMiniLoto, Second, {3, 9, 14, 18}, true},
        CheckCase {"FourWithoutBonusThird", MiniLoto, "0309141801", kMiniLoto, Third, {3, 9, 14, 18}},
        CheckCase {"ThreeFourth", MiniLoto, "0309143001", kMiniLoto, Fourth, {3, 9, 14}},
        CheckCase {"TwoNone", MiniLoto, "0309010204", kMiniLoto, None, {3, 9}},
        CheckCase {"Field32", MiniLoto, "0309141832", kMiniLoto, None, {}, false, Refusal::NoEntry}),
    rowName);

INSTANTIATE_TEST_SUITE_P(Numbers4, CheckLine,
    testing::Values(CheckCase {"Straight", Numbers4, "2211A", k2211, Straight, {2, 2, 1, 1}},
        CheckCase {"StraightOtherOrderNone", Numbers4, "1122A", k2211, None, {}},
        CheckCase {"BoxOtherOrder", Numbers4, "1122B", k2211, Box, {}},
        CheckCase {"BoxOtherDigitsNone", Numbers4, "1222B", k2211, None, {2}},
        CheckCase {"SetStraight", Numbers4, "2211C", k2211, SetStraight, {2, 2, 1, 1}},
        CheckCase {"SetBox", Numbers4, "1212C", k2211, SetBox, {2, 1}},
        CheckCase {"SetOtherDigitsNone", Numbers4, "1222C", k2211, None, {2}},
        CheckCase {"AllAlikeStraight", Numbers4, "1111A", k1111, Straight, {1, 1, 1, 1}},
        CheckCase {
            "AllAlikeBox", Numbers4, "1111B", k1111, None, {1, 1, 1, 1}, false, Refusal::AllDigitsAlike},
        CheckCase {"LowerCasePlayType", Numbers4, "2211a", k2211, None, {}, false, Refusal::NoEntry},
        CheckCase {"BlankDigit", Numbers4, "22 1A", k2211, None, {}, false, Refusal::NoEntry}),
    rowName);

INSTANTIATE_TEST_SUITE_P(Numbers3, CheckLine,
    testing::Values(CheckCase {"Straight", Numbers3, "705A", k705, Straight, {7, 0, 5}},
        CheckCase {"Box", Numbers3, "507B", k705, Box, {0}},
        CheckCase {"SetBox", Numbers3, "570C", k705, SetBox, {}},
        CheckCase {"TwoDigitsNone", Numbers3, "700B", k705, None, {7, 0}},
        CheckCase {"AllAlikeSet", Numbers3, "777C", k705, None, {7}, false, Refusal::AllDigitsAlike},
        CheckCase {"Numbers4Line", Numbers3, "7055A", k705, None, {}, false, Refusal::NoEntry}),
    rowName);

} // namespace
