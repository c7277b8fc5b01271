// The four lotteries as data: everything that tells one print file and its entries from another.
#pragma once

#include <QString>

namespace lotteries {

enum class Lottery { Loto6, MiniLoto, Numbers4, Numbers3 };

enum class EntryForm {
    NumberFields, // LOTO: N two-digit numbers without separators, "011522304143"
    DigitsAndPlayType, // Numbers: D digits and the play type letter, "1234A"
};

struct LotteryRules {
    Lottery lottery;
    const char* printFile;
    EntryForm form;
    int count; // numbers per entry (LOTO) or digits per entry (Numbers)
    int highest; // highest number of a LOTO field; unused for Numbers
};

const LotteryRules& rulesOf(Lottery lottery);

// The lottery's name as the program shows it to the user: "ロト６", "ミニロト", "ナンバーズ４",
// "ナンバーズ３".
QString lotteryName(Lottery lottery);

// Characters of an entry line as the program writes it: 2N for LOTO, D + 1 for Numbers.
int entryLength(const LotteryRules& rules);

} // namespace lotteries
