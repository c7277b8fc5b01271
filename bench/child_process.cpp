#include "bench/child_process.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <algorithm>
#include <ctime>

namespace bench {

qint64 monotonicNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    constexpr qint64 kNanosecondsPerSecond = 1'000'000'000;
    return now.tv_sec * kNanosecondsPerSecond + now.tv_nsec;
}

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
