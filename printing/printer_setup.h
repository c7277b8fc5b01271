// What the print setup shows: the printers to choose from, and what the calibration counts from on
// the one selected.
#pragma once

#include "seams/printers.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace printing {

struct PrinterEntry {
    QString name; // empty for the system's default printer
    QString caption;

    bool operator==(const PrinterEntry&) const = default;
};

// The system's default first, then every printer by name. A chosen printer the system no longer has
// is listed too, marked as gone, so that the user sees what is chosen.
QList<PrinterEntry> printerEntries(const QStringList& names, const QString& chosen);

// The lines shown for an entry: the printer, its paper, the printable area's margins in millimetres,
// and its state when the system reports one.
QStringList printerDetails(const QString& name, const seams::Printers& printers);

} // namespace printing
