// What a set wins against a draw, and the sets the lottery's terminal would not take.
#pragma once

#include "lotteries/draw.h"

#include <QByteArrayView>
#include <array>
#include <cstdint>

namespace lotteries {

enum class Prize {
    None, // はずれ
    First, // 1等
    Second,
    Third,
    Fourth,
    Fifth,
    Straight, // ストレート
    Box, // ボックス
    SetStraight, // セット・ストレート
    SetBox, // セット・ボックス
};

// Why a line gets a note in place of a class: a set the terminal does not take, or no set at all.
enum class Refusal {
    None,
    RepeatedNumber, // a LOTO set with a number twice
    AllDigitsAlike, // a box or set play whose digits are all alike
    NoEntry, // a line that is no entry as the program writes one
};

struct SetCheck {
    Prize prize = Prize::None;
    Refusal refusal = Refusal::None;
    // LOTO: the set's numbers among the draw's main numbers, in the set's order. Numbers: the set's
    // digits that the draw holds in the same place.
    QList<int> matched;
    bool bonus = false; // LOTO: the set holds the bonus number

    bool operator==(const SetCheck&) const = default;
};

// A print-file line, without its line end, checked against a draw of the lottery.
SetCheck checkLine(const LotteryRules& rules, QByteArrayView line, const Draw& draw);

// The numbers of a set or a draw in the form in which they meet: a few machine words, so that meeting
// every line of a file with every draw of a run, as the counts do, costs a few instructions a meeting.
struct NumberKeys {
    std::uint64_t numbers = 0; // LOTO: one bit for each number, fewer bits than numbers for a number twice
    std::uint64_t bonus = 0; // LOTO draws: the bonus number's bit
    std::uint32_t digits = 0; // Numbers: the digits in order, four bits each
    // Numbers: how often each digit comes, three bits a digit: equal for the same digits in any order.
    std::uint32_t digitCounts = 0;
};

// A draw's keys, made once for meeting many sets.
NumberKeys drawKeys(const LotteryRules& rules, const Draw& draw);

// A print-file line read once, for meeting many draws: reading it again for each would cost the counts
// most of their time.
class SetOfLine {
public:
    SetOfLine(const LotteryRules& rules, QByteArrayView line);

    Refusal refusal() const { return m_refusal; }
    // The class against a draw of the lottery, as checkLine gives it, with nothing allocated.
    Prize prize(const NumberKeys& drawn) const;

private:
    friend SetCheck checkLine(const LotteryRules& rules, QByteArrayView line, const Draw& draw);

    // The class with what the set matches, which only a check of one line against one draw shows.
    SetCheck check(const Draw& draw) const;

    static constexpr int kMostValues = 6; // LOTO6's numbers

    const LotteryRules* m_rules;
    Refusal m_refusal = Refusal::NoEntry;
    // LOTO: the numbers; Numbers: the digits; in the line's order.
    std::array<int, kMostValues> m_values {};
    char m_playType = 0; // Numbers: 'A', 'B' or 'C'
    NumberKeys m_keys;
};

// "1等" … "5等", "ストレート", "ボックス", "セット・ストレート", "セット・ボックス", "はずれ".
QString prizeText(Prize prize);
// The note shown in place of a class; empty for Refusal::None.
QString refusalText(Refusal refusal);

} // namespace lotteries
