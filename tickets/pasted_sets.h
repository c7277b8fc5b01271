// Sets brought into a card window from elsewhere (the clipboard, a text file): each line read as one set
// of the lottery, as the entry box would store it, or refused with the reason.
#pragma once

#include "lotteries/lottery.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

namespace tickets {

struct PastedLine {
    qsizetype line; // from 1, in the text
    QString text; // the line as it stands, without the blanks around it
    std::optional<QByteArray> stored; // the print-file line it becomes; nothing when refused
    QString reason; // why it is refused, in the words the dialog shows; empty when stored

    bool operator==(const PastedLine&) const = default;
};

// Every line of the text that is not blank, in order. The numbers of a set stand in order, separated by
// any non-digit characters ("1 15 22 30 41 43", "01,15,22,30,41,43", "01-15-22-30-41-43") or together in
// the print file's own form ("011522304143"); full-width digits count as digits. A line copied from a card
// window's list ("  1  01-15-22-30-41-43") begins with its place in the list, which is not part of the set.
// Numbers: the digits, then the play type A, B or C in either case or written out as ストレート, ボックス
// or セット ("1234A", "1234 a", "1-2-3-4.A", "1234 ボックス"). What is stored is decided by acceptEntry,
// so that a set refused here is one the entry box refuses too.
QList<PastedLine> readPastedSets(const lotteries::LotteryRules& rules, QStringView text);

} // namespace tickets
