// The system's printers as the program sees them: what the print setup lists and describes, and where
// the cards of a print run go. A seam: the program asks the system's print service, tests a list of
// their own.
#pragma once

#include "seams/drawing.h"
#include "seams/print_surface.h"

#include <QMarginsF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace seams {

enum class PrinterState {
    Unknown, // the system does not say
    Idle,
    Printing,
    Stopped,
};

// What the calibration counts from on a printer: its paper and the printable area on it, whose
// top-left corner is where every mark's position is measured from.
struct PrinterDescription {
    QString name; // as the system names it; a CUPS instance as queue/instance
    QString paper; // the paper's name, e.g. "A4"
    QSizeF paperMillimetres;
    QMarginsF marginsMillimetres; // from each edge of the paper to the printable area
    PrinterState state = PrinterState::Unknown;

    bool operator==(const PrinterDescription&) const = default;
};

class Printers {
public:
    virtual ~Printers() = default;

    // Every printer the system offers, CUPS instances included, by name.
    virtual QStringList names() const = 0;
    // The system's default printer; empty when there is none.
    virtual QString defaultName() const = 0;
    // Nothing when the system has no printer of that name.
    virtual std::optional<PrinterDescription> describe(const QString& name) const = 0;
    // Cards printed on the named printer, empty for the system's default, one print job per card; the
    // underlay, if any, is printed on every card under its marks.
    virtual std::unique_ptr<PrintSurface> cards(const QString& name, const Drawing& underlay) = 0;

    // The printer a name stands for: an empty name means the system's default, and stays empty when the
    // system has none.
    QString named(const QString& name) const { return name.isEmpty() ? defaultName() : name; }
};

} // namespace seams
