// A print-file line cut into its fields by character position, the one way both the ticket list and
// the card layouts read a line, so that the list shows what the card gets.
#pragma once

#include "lotteries/lottery.h"

namespace lotteries {

// Calls field(index, text) for each field in order. LOTO: the N numbers, two characters each, the last
// one the line's last two characters. Numbers: the D digits, one character each, then the play type,
// the line's last character, as index D. A field that lies past the end of a short line is empty.
// View is a string view type (QStringView, QLatin1StringView), so that lines are cut without copies.
template <typename View, typename Field> void forEachField(const LotteryRules& rules, View line, Field field)
{
    if (rules.form == EntryForm::NumberFields) {
        for (int index = 0; index + 1 < rules.count; ++index)
            field(index, line.mid(qsizetype {2} * index, 2));
        field(rules.count - 1, line.right(2));
        return;
    }
    for (int digit = 0; digit < rules.count; ++digit)
        field(digit, line.mid(digit, 1));
    field(rules.count, line.right(1));
}

} // namespace lotteries
