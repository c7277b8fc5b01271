// Working folders for the benchmarks, each with the program's data files and a LOTO6 print file.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

namespace bench {

inline constexpr char kPrintFile[] = "loto6.txt";

// A working folder whose LOTO6 print file holds this many entries, made on first use and removed when
// the benchmarks end. Benchmarks that change the print file put its bytes back.
const QDir& folderWithEntries(int entries);

// The temporary folder with the program's data files copied in, and no print file.
QDir withDataFiles(const QTemporaryDir& temporary);

// The bytes of a LOTO6 print file of this many different-looking entries, the same on every run.
QByteArray loto6Entries(int entries);

} // namespace bench
