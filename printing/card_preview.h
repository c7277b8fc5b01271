// The cards a print run would print now, for the user to see before a card is spent: the same print run
// on the same printer, drawn instead of printed, each card's whole grid outlined under its marks.
#pragma once

#include "printing/print_run.h"
#include "seams/drawing.h"

namespace printing {

struct CardPreview {
    seams::PrinterDescription printer; // the paper and printable area the cards are shown on
    QList<seams::Drawing> cards; // one a card; an empty print file shows one empty card
};

// Refuses what the print run refuses, with the same failure, and a printer in use whose paper is not
// known (there is no default printer) as the print run's first card would be refused.
core::Result<CardPreview, PrintFailure> previewCards(
    const lotteries::PrintFile& printFile, const QDir& dataDir, const seams::Printers& printers);

// Every mark position of all five slots outlined, each as the box the print run would fill there.
seams::Drawing cardGrid(const Placement& placement);

} // namespace printing
