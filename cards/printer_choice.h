// The printer the cards go to, as the user chose it in the print setup: kept in lotocard.ini in the
// working folder, an INI file a person can read and edit. Group [printer], key name, the printer's name
// exactly as the system names it; no file, no key or an empty value mean the system's default printer.
#pragma once

#include "core/file_result.h"
#include "ui/printers.h"

#include <QDir>
#include <variant>

namespace cards {

inline constexpr char kProgramSettingsFile[] = "lotocard.ini";

// The chosen printer's name, empty for the system's default.
core::FileResult<QString> readChosenPrinter(const QDir& dataDir);

// Keeps the choice, empty for the system's default. Every other line of the file stays as it is; a
// missing file is created, but not just to say that the default is used.
std::optional<core::FileFailure> saveChosenPrinter(const QDir& dataDir, const QString& name);

// The chosen printer has gone from the system; nothing is printed on another one in its place.
struct MissingPrinter {
    QString name;

    bool operator==(const MissingPrinter&) const = default;
};

// The printer in use: the chosen one, empty for the system's default, or why it cannot be used.
std::variant<QString, core::FileFailure, MissingPrinter> printerInUse(
    const QDir& dataDir, const ui::Printers& printers);

} // namespace cards
