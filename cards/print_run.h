// The print run behind every card window's print-start button: the calibration is read afresh, the
// lottery's print file is walked line by line, five entries to a card.
#pragma once

#include "cards/card_layout.h"
#include "cards/printer_choice.h"
#include "core/file_result.h"
#include "lotteries/print_file.h"
#include "ui/print_surface.h"

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

// The placement a print run starts from: the saved calibration, read afresh, for the lottery's card.
std::variant<Placement, PrintFailure> savedPlacement(lotteries::Lottery lottery, const QDir& dataDir,
    settings::SettingsFile::WhenMissing missing = settings::SettingsFile::WhenMissing::Create);

// The print run's cards drawn with the placement given, from the print-file lines given, five to a card.
std::optional<PrintFailure> drawCards(
    const Placement& placement, const core::Lines& lines, ui::PrintSurface& surface);

// Draws the mark box whose top-right corner is the mark point: worked out in double precision, handed
// over in single precision as the printer takes it.
std::optional<QString> drawMark(ui::PrintSurface& surface, const MarkPoint& mark);

// The printer in use and what the calibration counts from on it, for what is drawn to its measure.
struct PrinterInUse {
    QString name; // empty for the system's default
    ui::PrinterDescription description;
};

// Refused as a print run is, and when there is no printer to take the paper from, as the print run's
// first card would be.
std::variant<PrinterInUse, PrintFailure> describePrinterInUse(
    const QDir& dataDir, const ui::Printers& printers);

// Prints the print file given onto cards, with the calibration of the data folder. Everything that can be
// checked is checked before the first box; after a failure nothing more is drawn. The files are only read.
std::optional<PrintFailure> printCards(
    const lotteries::PrintFile& printFile, const QDir& dataDir, ui::PrintSurface& surface);

// The same on the printer in use: the one chosen in the print setup, else the system's default. A
// chosen printer that has gone is reported before anything is printed.
std::optional<PrintFailure> printCards(
    const lotteries::PrintFile& printFile, const QDir& dataDir, ui::Printers& printers);

} // namespace cards
