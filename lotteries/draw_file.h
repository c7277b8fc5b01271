// The draws kept for a lottery in the working folder, a file of their own beside its print file
// ("loto6_draws.csv" beside "loto6.txt"): one draw a line as drawFileLine writes it, which a person can
// read and a spreadsheet opens.
#pragma once

#include "core/line_file.h"
#include "lotteries/draw.h"

#include <QDir>

namespace lotteries {

class DrawFile {
public:
    DrawFile(const LotteryRules& rules, const QDir& dataDir);

    QString path() const { return m_path; }

    // The kept draws in the order of their draw numbers; a missing file keeps none, and a line that holds
    // no draw (written by hand) is passed over.
    core::Result<QList<Draw>> read() const;
    // Keeps the draws in the file as it is now, in one save: a draw number kept before is replaced, every
    // draw line ends up in the order of the draw numbers, and lines that hold no draw stay after them as
    // they are. A missing file is created.
    core::Result<void> keep(const QList<Draw>& draws) const;

private:
    Lottery m_lottery;
    QString m_path;
};

} // namespace lotteries
