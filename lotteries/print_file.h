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
    // Removes, for each of lines, a line that is exactly it, the first not yet removed, wherever it now
    // stands, and every empty line; the others stay byte for byte. How many of lines were found; when
    // none was, the file is untouched.
    core::Result<qsizetype> removeEach(const core::Lines& lines) const;
    core::Result<void> clear() const;

private:
    const LotteryRules* m_rules;
    QString m_path;
};

// The lines of a print file as it is now that a selection made earlier still finds: each line of wanted
// matches one line of now, the first not yet matched; the lines come in the file's order.
struct Picked {
    core::Lines lines;
    qsizetype missing = 0; // lines of wanted that now no longer holds
};
Picked pickLines(const core::Lines& now, const core::Lines& wanted);

} // namespace lotteries
