#include "bench/child_process.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <algorithm>
#include <chrono>
#ifdef Q_OS_WIN
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>
#endif

namespace bench {

qint64 monotonicNanoseconds()
{
    // CLOCK_MONOTONIC on Linux, the performance counter on Windows: the machine's clock, not the process's.
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

#ifdef Q_OS_WIN

// The peak working set of this process.
QByteArray peakResidentKib()
{
    PROCESS_MEMORY_COUNTERS counters {};
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return "0";
    return QByteArray::number(qulonglong(counters.PeakWorkingSetSize / 1024));
}

#else

// VmHWM of this process. getrusage would not do: across fork and exec it keeps the parent's peak.
QByteArray peakResidentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return "0";
    const QList<QByteArray> lines = status.readAll().split('\n');
    const auto line = std::find_if(
        lines.begin(), lines.end(), [](const QByteArray& text) { return text.startsWith("VmHWM:"); });
    return line == lines.end() ? "0" : line->mid(6).trimmed().split(' ').first();
}

#endif

std::optional<QByteArray> runChild(const QStringList& arguments, QString& error)
{
    constexpr int kTimeLimitMs = 60'000;
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(kTimeLimitMs)) {
        error = child.errorString();
        child.kill();
        child.waitForFinished();
        return std::nullopt;
    }
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        error = QStringLiteral("%1 ended with status %2").arg(arguments.first()).arg(child.exitCode());
        return std::nullopt;
    }
    return child.readAllStandardOutput();
}

} // namespace bench
