// The print run behind every card window's print-start button: the calibration is read afresh, the
// lottery's print file is walked line by line, five entries to a card.
#pragma once

#include "cards/card_layout.h"
#include "cards/print_surface.h"
#include "core/file_result.h"

#include <QDir>
#include <variant>

namespace cards {

// The printer could not begin or finish a card; the cards before it have been printed.
struct SurfaceFault {
    QString reason;
    int card; // counted from 1

    bool operator==(const SurfaceFault&) const = default;
};

using PrintFailure = std::variant<core::FileFailure, CalibrationFault, SurfaceFault>;

// Prints the lottery's print file from the data folder onto cards. Everything that can be checked is
// checked before the first box; after a failure nothing more is drawn. The files are only read.
std::optional<PrintFailure> printCards(tickets::Lottery lottery, const QDir& dataDir, PrintSurface& surface);

} // namespace cards
