#include "lotteries/prize.h"

#include "core/shift_jis.h"
#include "lotteries/line_fields.h"

#include <QLatin1StringView>
#include <algorithm>
#include <bit>
#include <optional>
#include <span>

namespace lotteries {

namespace {

constexpr int kDigitBits = 4;
// A digit comes at most four times in a set, so three bits count it.
constexpr int kDigitCountBits = 3;

std::uint64_t bitOf(int number)
{
    return std::uint64_t {1} << number;
}

NumberKeys keysOf(const LotteryRules& rules, std::span<const int> values)
{
    NumberKeys keys;
    if (rules.form == EntryForm::NumberFields) {
        for (const int number : values)
            keys.numbers |= bitOf(number);
        return keys;
    }
    for (const int digit : values) {
        keys.digits = keys.digits << kDigitBits | static_cast<std::uint32_t>(digit);
        keys.digitCounts += std::uint32_t {1} << (kDigitCountBits * digit);
    }
    return keys;
}

bool isPlayType(char c)
{
    return c == 'A' || c == 'B' || c == 'C';
}

// The field's number when it is two ASCII digits from 01 to the lottery's highest.
std::optional<int> numberField(QLatin1StringView field, int highest)
{
    const char tens = field[0].toLatin1();
    const char ones = field[1].toLatin1();
    if (!core::isAsciiDigit(tens) || !core::isAsciiDigit(ones))
        return std::nullopt;
    const int number = (tens - '0') * 10 + (ones - '0');
    if (number < 1 || number > highest)
        return std::nullopt;
    return number;
}

// The class by how many of the set's numbers the draw's main numbers miss. One miss is 2等 when the
// missed number is the bonus; LOTO6 pays down to three misses (5等), MINILOTO down to two (4等).
Prize lotoPrize(const LotteryRules& rules, int misses, bool bonus)
{
    switch (misses) {
    case 0:
        return Prize::First;
    case 1:
        return bonus ? Prize::Second : Prize::Third;
    case 2:
        return Prize::Fourth;
    case 3:
        return rules.lottery == Lottery::Loto6 ? Prize::Fifth : Prize::None;
    default:
        return Prize::None;
    }
}

Prize numbersPrize(char playType, bool inOrder, bool sameDigits)
{
    switch (playType) {
    case 'A':
        return inOrder ? Prize::Straight : Prize::None;
    case 'B':
        return sameDigits ? Prize::Box : Prize::None;
    default:
        return inOrder ? Prize::SetStraight : sameDigits ? Prize::SetBox : Prize::None;
    }
}

} // namespace

// Only a line as the program writes it is a set. A line written by hand or in Shift_JIS is none: bytes
// past ASCII are never digits or play types, so such a line is cut as Latin-1 without being decoded.
SetOfLine::SetOfLine(const LotteryRules& rules, QByteArrayView line)
    : m_rules(&rules)
{
    if (line.size() != entryLength(rules))
        return;
    bool entry = true;
    forEachField(rules, QLatin1StringView(line), [&](int index, QLatin1StringView field) {
        if (rules.form == EntryForm::NumberFields) {
            const std::optional<int> number = numberField(field, rules.highest);
            entry = entry && number.has_value();
            m_values[index] = number.value_or(0);
        } else if (index < rules.count) {
            const char digit = field[0].toLatin1();
            entry = entry && core::isAsciiDigit(digit);
            m_values[index] = digit - '0';
        } else {
            m_playType = field[0].toLatin1();
            entry = entry && isPlayType(m_playType);
        }
    });
    if (!entry)
        return;
    const std::span<const int> values(m_values.data(), rules.count);
    m_keys = keysOf(rules, values);
    if (rules.form == EntryForm::NumberFields) {
        // The card window takes such a set, but the terminal reads a number marked twice as one box and
        // refuses a set short of its numbers.
        const bool repeated = std::popcount(m_keys.numbers) < rules.count;
        m_refusal = repeated ? Refusal::RepeatedNumber : Refusal::None;
        return;
    }
    // A box of one digit would be the straight itself, so no box or set of it is sold.
    const bool alike = std::ranges::all_of(values, [&](int digit) { return digit == values.front(); });
    m_refusal = alike && m_playType != 'A' ? Refusal::AllDigitsAlike : Refusal::None;
}

Prize SetOfLine::prize(const NumberKeys& drawn) const
{
    if (m_refusal != Refusal::None)
        return Prize::None;
    if (m_rules->form == EntryForm::NumberFields) {
        const int misses = m_rules->count - std::popcount(m_keys.numbers & drawn.numbers);
        return lotoPrize(*m_rules, misses, (m_keys.numbers & drawn.bonus) != 0);
    }
    return numbersPrize(m_playType, m_keys.digits == drawn.digits, m_keys.digitCounts == drawn.digitCounts);
}

// A refused set still shows what it matches; no set at all matches nothing.
SetCheck SetOfLine::check(const Draw& draw) const
{
    const NumberKeys drawn = drawKeys(*m_rules, draw);
    SetCheck check {prize(drawn), m_refusal, {}, false};
    if (m_refusal == Refusal::NoEntry)
        return check;
    // Gathered on the stack, so that a line costs at most the one allocation of the list.
    std::array<int, kMostValues> matched {};
    int matches = 0;
    for (int index = 0; index < m_rules->count; ++index) {
        const int value = m_values[index];
        const bool match = m_rules->form == EntryForm::NumberFields ? (drawn.numbers & bitOf(value)) != 0
                                                                    : value == draw.numbers[index];
        if (match)
            matched[matches++] = value;
    }
    check.matched = QList<int>(matched.begin(), matched.begin() + matches);
    check.bonus = (m_keys.numbers & drawn.bonus) != 0;
    return check;
}

NumberKeys drawKeys(const LotteryRules& rules, const Draw& draw)
{
    NumberKeys keys
        = keysOf(rules, {draw.numbers.constData(), static_cast<std::size_t>(draw.numbers.size())});
    if (rules.form == EntryForm::NumberFields)
        keys.bonus = bitOf(draw.bonus);
    return keys;
}

SetCheck checkLine(const LotteryRules& rules, QByteArrayView line, const Draw& draw)
{
    return SetOfLine(rules, line).check(draw);
}

QString prizeText(Prize prize)
{
    switch (prize) {
    case Prize::None:
        return QStringLiteral("はずれ");
    case Prize::First:
        return QStringLiteral("1等");
    case Prize::Second:
        return QStringLiteral("2等");
    case Prize::Third:
        return QStringLiteral("3等");
    case Prize::Fourth:
        return QStringLiteral("4等");
    case Prize::Fifth:
        return QStringLiteral("5等");
    case Prize::Straight:
        return QStringLiteral("ストレート");
    case Prize::Box:
        return QStringLiteral("ボックス");
    case Prize::SetStraight:
        return QStringLiteral("セット・ストレート");
    case Prize::SetBox:
        return QStringLiteral("セット・ボックス");
    }
    return {};
}

QString refusalText(Refusal refusal)
{
    switch (refusal) {
    case Refusal::None:
        return {};
    case Refusal::RepeatedNumber:
        return QStringLiteral("同じ数字が重複（発券できません）");
    case Refusal::AllDigitsAlike:
        return QStringLiteral("すべて同じ数字のボックス・セット（発券できません）");
    case Refusal::NoEntry:
        return QStringLiteral("セットではない行");
    }
    return {};
}

} // namespace lotteries
