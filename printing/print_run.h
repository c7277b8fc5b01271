// The print run behind every card window's print-start button: the calibration is read afresh, the
// print file's lines are walked one by one, five entries to a card.
#pragma once

#include "core/line_file.h"
#include "lotteries/print_file.h"
#include "printing/card_layout.h"
#include "printing/print_failure.h"
#include "printing/printer_in_use.h"
#include "seams/print_surface.h"

#include <QDir>

namespace printing {

// The placement a print run starts from: the saved calibration, read afresh, for the lottery's card.
core::Result<Placement, PrintFailure> savedPlacement(lotteries::Lottery lottery, const QDir& dataDir,
    settings::SettingsFile::WhenMissing missing = settings::SettingsFile::WhenMissing::Create);

// The print run's cards drawn with the placement given, from the print-file lines given, five to a card.
core::Result<void, PrintFailure> drawCards(
    const Placement& placement, const core::Lines& lines, seams::PrintSurface& surface);

// Draws the mark box whose top-right corner is the mark point: worked out in double precision, handed
// over in single precision as the printer takes it.
seams::PrintStep drawMark(seams::PrintSurface& surface, const MarkPoint& mark);

// Prints the print file given onto cards, with the calibration of the data folder. Everything that can be
// checked is checked before the first box; after a failure nothing more is drawn. The files are only read.
core::Result<void, PrintFailure> printCards(
    const lotteries::PrintFile& printFile, const QDir& dataDir, seams::PrintSurface& surface);

// The same on the printer in use: the one chosen in the print setup, else the system's default. A
// chosen printer that has gone is reported before anything is printed.
core::Result<void, PrintFailure> printCards(
    const lotteries::PrintFile& printFile, const QDir& dataDir, seams::Printers& printers);

// Prints only the lines given, the lottery's print-file lines the caller picked from the file as it is
// now, in the same way: the printer in use, the calibration read afresh, five to a card.
core::Result<void, PrintFailure> printLines(
    lotteries::Lottery lottery, const core::Lines& lines, const QDir& dataDir, seams::Printers& printers);

} // namespace printing
