// Writing a file whole or not at all, and reading it without getting in the way of a save: the two
// places where the program meets the system's files, each in the system's own way.
#pragma once

#include "core/result.h"

#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <chrono>
#include <initializer_list>

namespace core {

// How long a save on Windows goes on trying to replace a file that another program holds open: virus
// scanners, the search indexer and sync clients open a file for moments after every write, and another
// copy of this program opens it to list it. Well within kLockWait, which other saves of the file wait.
inline constexpr std::chrono::milliseconds kReplaceWait {2000};

// Saves the pieces one after the other as the file's new content, through a temporary file beside the
// file a link reaches and an atomic rename over it: on failure the old file stays as it was and no
// temporary file is left. The caller holds the file's SaveLock.
Result<void> saveAtomically(const QString& path, std::initializer_list<QByteArrayView> pieces);

// Opens the file for reading. On Windows it is opened so that a save by another copy of the program may
// replace it meanwhile: what is read is the file as it was when it was opened.
bool openForReading(QFile& file);

} // namespace core
