#include "lotteries/lottery.h"

#include <array>

namespace lotteries {

namespace {

constexpr std::array kRules {
    LotteryRules {Lottery::Loto6, "loto6.txt", EntryForm::NumberFields, 6, 43},
    LotteryRules {Lottery::MiniLoto, "miniloto.txt", EntryForm::NumberFields, 5, 31},
    LotteryRules {Lottery::Numbers4, "numbers4.txt", EntryForm::DigitsAndPlayType, 4, 0},
    LotteryRules {Lottery::Numbers3, "numbers3.txt", EntryForm::DigitsAndPlayType, 3, 0},
};

} // namespace

const LotteryRules& rulesOf(Lottery lottery)
{
    return kRules.at(static_cast<std::size_t>(lottery));
}

QString lotteryName(Lottery lottery)
{
    switch (lottery) {
    case Lottery::Loto6:
        return QStringLiteral("ロト６");
    case Lottery::MiniLoto:
        return QStringLiteral("ミニロト");
    case Lottery::Numbers4:
        return QStringLiteral("ナンバーズ４");
    case Lottery::Numbers3:
        return QStringLiteral("ナンバーズ３");
    }
    return {};
}

int entryLength(const LotteryRules& rules)
{
    return rules.form == EntryForm::NumberFields ? 2 * rules.count : rules.count + 1;
}

} // namespace lotteries
