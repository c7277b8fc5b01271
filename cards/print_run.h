// The print run behind every card window's print-start button: the calibration is read afresh, the
// lottery's print file is walked line by line, five entries to a card.
#pragma once

#include "cards/card_layout.h"
#include "cards/print_surface.h"
#include "cards/printer_choice.h"
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

using PrintFailure = std::variant<core::FileFailure, CalibrationFault, SurfaceFault, MissingPrinter>;

// Prints the lottery's print file from the data folder onto cards. Everything that can be checked is
// checked before the first box; after a failure nothing more is drawn. The files are only read.
std::optional<PrintFailure> printCards(tickets::Lottery lottery, const QDir& dataDir, PrintSurface& surface);

// The same on the printer in use: the one chosen in the print setup, else the system's default. A
// chosen printer that has gone is reported before anything is printed.
std::optional<PrintFailure> printCards(tickets::Lottery lottery, const QDir& dataDir, Printers& printers);

} // namespace cards
