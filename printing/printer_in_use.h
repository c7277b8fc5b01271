// Which printer the cards go to: the one chosen in the print setup (lotocard.ini), else the system's
// default, and what the calibration counts from on it.
#pragma once

#include "printing/print_failure.h"
#include "seams/printers.h"

#include <QDir>

namespace printing {

// The printer in use: the chosen one, else the system's default as it is now, or why it cannot be used.
// Empty only when nothing is chosen and the system has no default. The default is asked for once here,
// so that every card of a run goes to the one printer the run began with, even when the system's default
// changes while it prints.
core::Result<QString, PrintFailure> printerInUse(const QDir& dataDir, const seams::Printers& printers);

// The printer in use and what the calibration counts from on it, for what is drawn to its measure.
struct PrinterInUse {
    QString name; // as printerInUse gives it
    seams::PrinterDescription description;
};

// Refused as a print run is, and when there is no printer to take the paper from, as the print run's
// first card would be.
core::Result<PrinterInUse, PrintFailure> describePrinterInUse(
    const QDir& dataDir, const seams::Printers& printers);

} // namespace printing
