// The working folder as the first start finds it: where the program is installed without a launcher of
// its own (Windows), the program finds its working folder itself and fills it with the files it is
// shipped with.
#pragma once

#include "core/result.h"

#include <QDir>
#include <QStringList>
#include <optional>

namespace app {

// What the Start menu shortcut starts the program with: work in the folder kDocumentsFolder in the user's
// Documents folder, looked up anew at every start. A folder fixed when the program was installed is lost
// whenever the user, or OneDrive's folder backup, moves Documents or deletes the folder, and Windows does
// not start a shortcut whose folder is gone.
inline constexpr char kDocumentsOption[] = "--documents";
inline constexpr char kDocumentsFolder[] = "lotocard";

// The folder to work in: kDocumentsFolder in documents when the arguments (the program's own name
// first) hold kDocumentsOption, otherwise current, the folder the program was started in. documents is
// where the system keeps the user's Documents now, empty when the system cannot say; the documents
// option then fails.
core::Result<QString> chooseWorkingFolder(
    const QStringList& arguments, const QString& current, const QString& documents);

// Copies each shipped file (app/shipped_files.h) that the working folder lacks, byte for byte; a file already
// there is never replaced, since the user may have changed it. Stops at the first file that cannot be copied.
core::Result<void> fillWorkingFolder(const QDir& shipped, const QDir& work);

// Makes the folder, with the folders above it, where it is missing, fills it and makes it the current
// folder, where every file of the program is kept. A failure names the folder, or the file that could
// not be copied, with the system's reason.
core::Result<void> enterWorkingFolder(const QDir& shipped, const QString& folder);

} // namespace app
