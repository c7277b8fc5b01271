// Runs that need a process of their own: the program's start, and a print run, a card window and its
// preview whose peak memory is measured without whatever the other benchmarks left behind. The benchmark
// program starts itself again with one of these first arguments.
#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>

namespace bench {

inline constexpr char kStartChild[] = "--start-child";
inline constexpr char kPrintChild[] = "--print-child";
inline constexpr char kCardWindowChild[] = "--card-window-child";
inline constexpr char kPreviewChild[] = "--preview-child";

int startChild(int argc, char* argv[]);
int printChild(int argc, char* argv[]);
int cardWindowChild(int argc, char* argv[]);
int previewChild(int argc, char* argv[]);

// Nanoseconds on the clock every process of the machine shares.
qint64 monotonicNanoseconds();

// The peak resident memory of this process in KiB, as text.
QByteArray peakResidentKib();

// What the child wrote on its standard output; nullopt after a failure, with the reason in error.
std::optional<QByteArray> runChild(const QStringList& arguments, QString& error);

} // namespace bench
