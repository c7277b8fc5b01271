// Why a print run, a preview or a test sheet did not print: what the user is then told.
#pragma once

#include "core/result.h"
#include "printing/card_layout.h"

#include <QString>
#include <variant>

namespace printing {

// The printer could not begin or finish a card; the cards before it have been printed.
struct SurfaceFault {
    QString reason;
    int card; // counted from 1

    bool operator==(const SurfaceFault&) const = default;
};

// The chosen printer has gone from the system; nothing is printed on another one in its place.
struct MissingPrinter {
    QString name;

    bool operator==(const MissingPrinter&) const = default;
};

using PrintFailure = std::variant<core::FileFailure, CalibrationFault, SurfaceFault, MissingPrinter>;

} // namespace printing
