// The program's own settings file, lotocard.ini in the working folder: the printer the cards go to, as
// the user chose it in the print setup, an INI file a person can read and edit. Group [printer], key name,
// the printer's name exactly as the system names it; no file, no key or an empty value mean the system's
// default printer.
#pragma once

#include "core/result.h"

#include <QDir>

namespace settings {

inline constexpr char kProgramSettingsFile[] = "lotocard.ini";

// The chosen printer's name, empty for the system's default.
core::Result<QString> readChosenPrinter(const QDir& dataDir);

// Keeps the choice, empty for the system's default. Every other line of the file stays as it is; a
// missing file is created, but not just to say that the default is used.
core::Result<void> saveChosenPrinter(const QDir& dataDir, const QString& name);

} // namespace settings
