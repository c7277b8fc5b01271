// A sheet of plain paper to line the print up with a real card before a card is spent: every mark
// position of all five slots outlined where the print run would fill it, the two reference marks filled
// and labelled, a cross at the printable area's corner with rulers along its top and left edges, and a
// caption saying what it was printed with.
#pragma once

#include "printing/card_layout.h"
#include "printing/print_run.h"
#include "seams/drawing.h"

#include <QDate>

namespace calibration {

struct TestSheet {
    seams::Drawing underlay; // everything but the reference marks
    printing::ReferenceMarks marks; // printed as the print run prints every mark
};

TestSheet testSheet(lotteries::Lottery lottery, const printing::Placement& placement,
    const settings::Calibration& values, const seams::PrinterDescription& printer, const QDate& date);

// Prints the test sheet with the values given, saved or not, on the printer in use: one print job of one
// page. Refused as a print run would be.
core::Result<void, printing::PrintFailure> printTestSheet(lotteries::Lottery lottery,
    const settings::Calibration& values, const QDir& dataDir, seams::Printers& printers, const QDate& date);

} // namespace calibration
