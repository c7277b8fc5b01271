// A lottery's print file in the data folder: the only store of the sets a user has entered.
#pragma once

#include "core/line_file.h"
#include "lotteries/lottery.h"

#include <QDir>

namespace lotteries {

class PrintFile {
public:
    PrintFile(const LotteryRules& rules, const QDir& dataDir);

    const LotteryRules& rules() const { return *m_rules; }
    QString path() const { return m_path; }

    // Creates the print file, empty, when it is missing.
    core::Result<void> createIfMissing() const;
    // The lines as they stand, each without its line end.
    core::Result<core::Lines> lines() const;
    // Adds the lines after those already there; a missing file is created.
    core::Result<void> append(const core::Lines& lines) const;
    // The file holds only these lines afterwards; a missing file is created.
    core::Result<void> replace(const core::Lines& lines) const;
    // Removes the first line that is exactly line, wherever it stands in the file as it is now, and every
    // empty line; the others stay byte for byte. False, the file untouched, when no line is line.
    core::Result<bool> remove(QByteArrayView line) const;
    core::Result<void> clear() const;

private:
    const LotteryRules* m_rules;
    QString m_path;
};

} // namespace lotteries
