// A results table pasted, opened or dropped: which of its lines are draws, and why the others are not.
#pragma once

#include "lotteries/draw.h"

namespace draws {

struct RefusedLine {
    qsizetype line; // from 1
    QString reason;

    bool operator==(const RefusedLine&) const = default;
};

struct ReadResults {
    QList<lotteries::Draw> draws; // in the order of their lines
    QList<RefusedLine> refused;
};

// Every line that is not blank is a draw or refused; a heading line is refused like any other, so that
// the user sees it was passed over.
ReadResults readResults(lotteries::Lottery lottery, QStringView text);

// What the user is shown before anything is kept: a line for each draw understood, then each line refused
// with its reason.
QString resultsReport(lotteries::Lottery lottery, const ReadResults& results);

} // namespace draws
