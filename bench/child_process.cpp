#include "bench/child_process.h"

#include <QCoreApplication>
#include <QProcess>
#include <ctime>

namespace bench {

qint64 monotonicNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    constexpr qint64 kNanosecondsPerSecond = 1'000'000'000;
    return now.tv_sec * kNanosecondsPerSecond + now.tv_nsec;
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
