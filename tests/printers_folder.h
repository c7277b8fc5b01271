// A data folder beside the fake printers that print runs, previews and test sheets go to: one printer,
// "office", A4 with 5 mm margins all round, and the surface that records every card.
#pragma once

#include "data_folder.h"
#include "fakes.h"
#include "lotteries/print_file.h"

#include <gtest/gtest.h>

inline const seams::PrinterDescription kOffice {
    "office", "A4", {210, 297}, {5, 5, 5, 5}, seams::PrinterState::Idle};

class PrintersFolder : public testing::Test, protected DataFolder {
protected:
    PrintersFolder() { m_printers.printers = {kOffice}; }

    QDir folder() const { return QDir(m_dir.path()); }
    lotteries::PrintFile printFile(lotteries::Lottery lottery) const
    {
        return {lotteries::rulesOf(lottery), folder()};
    }

    fakes::RecordingSurface m_printer;
    fakes::ListedPrinters m_printers {m_printer};
};
