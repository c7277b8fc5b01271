// One press of the quick prediction's write button: fresh sets for all four lotteries, written straight
// into their print files.
#pragma once

#include "lotteries/lottery.h"
#include "quick/base_tables.h"
#include "seams/clock.h"
#include "seams/random_source.h"

#include <array>
#include <optional>

namespace quick {

enum class WriteMode {
    Replace, // the print file holds only the new sets
    Add, // the new sets follow the ones already there
};

struct RunSettings {
    int count; // sets per lottery: 5 or 10
    WriteMode mode;
    char playType; // 'A', 'B' or 'C', for every Numbers set of the run
};

// The order in which the print files are written.
inline constexpr std::array kWriteOrder {lotteries::Lottery::Numbers3, lotteries::Lottery::Numbers4,
    lotteries::Lottery::MiniLoto, lotteries::Lottery::Loto6};

// A print file could not be written: the files before it in the order keep their new sets, it and
// the files after it are as they were.
struct WriteFault {
    core::FileFailure failure;
    int written; // print files written before it

    bool operator==(const WriteFault&) const = default;
};

// quick.dat unreadable or unusable (then no print file is touched), or a print file not written.
using RunFailure = std::variant<core::FileFailure, DataFault, WriteFault>;

core::Result<void, RunFailure> runQuickPrediction(
    const QDir& dataDir, const RunSettings& settings, seams::RandomSource& random, const seams::Clock& clock);

} // namespace quick
