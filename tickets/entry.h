// Entries typed into a card window: what may be registered, and how a print-file line is listed.
#pragma once

#include "core/shift_jis.h"
#include "lotteries/lottery.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace tickets {

// The print-file line for an already trimmed entry, or nothing when the entry must be refused.
// Numbers play types are stored upper case.
std::optional<QByteArray> acceptEntry(const lotteries::LotteryRules& rules, const QString& entry);

// The ticket list's text for one print-file line, taken by character position so that lines the
// program did not write are shown as they stand. The sequence number keeps its last three digits.
QString listLine(const lotteries::LotteryRules& rules, int sequence, const QString& line);

// The list line of a print-file line as its bytes stand: decoded before it is cut by position, unless
// it is ASCII and so can be cut as bytes.
QString listLine(
    const lotteries::LotteryRules& rules, int sequence, QByteArrayView line, core::ShiftJisDecoder& decode);

// The set of a print-file line as the list shows it, without the sequence number before it.
QString setText(const lotteries::LotteryRules& rules, QByteArrayView line, core::ShiftJisDecoder& decode);

} // namespace tickets
