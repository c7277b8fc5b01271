#include "core/save_lock.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <thread>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <csignal>
#endif

namespace core {

namespace {

// As the system gives up on a chain of links.
constexpr int kMostLinks = 40;
// QLockFile writes its owner into the lock just after it makes it: a lock that names no owner for longer
// than this was not made by a copy of the program that is still running.
constexpr std::chrono::milliseconds kOwnerWritten {1000};
constexpr std::chrono::milliseconds kBetweenLooks {5};

bool isRunning(qint64 pid)
{
#ifdef Q_OS_WIN
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
    if (process == nullptr)
        return GetLastError() != ERROR_INVALID_PARAMETER;
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
#else
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
#endif
}

enum class Owner {
    None, // the lock has just gone: the next try may take it
    Running, // or it cannot be told: another machine's, or one that may be writing its name
    Gone, // ended, or the lock path is no lock that a copy of the program makes
};

Owner ownerOf(const QLockFile& lock)
{
    const QString lockPath = lock.fileName();
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock.getLockInfo(&pid, &host, &application)) {
        if (!host.isEmpty() && host != QSysInfo::machineHostName())
            return Owner::Running;
        return isRunning(pid) ? Owner::Running : Owner::Gone;
    }
    const QFileInfo info(lockPath);
    if (info.isSymbolicLink())
        return Owner::Gone;
    if (!info.exists())
        return Owner::None;
    if (!info.isFile())
        return Owner::Gone;
    // A lock of another user's that this user may not read is theirs to judge.
    if (QFile file(lockPath); !file.open(QIODevice::ReadOnly))
        return Owner::Running;
    const qint64 age = info.lastModified().msecsTo(QDateTime::currentDateTime());
    return age > kOwnerWritten.count() ? Owner::Gone : Owner::Running;
}

} // namespace

QString fileReached(const QString& path)
{
    QString file = QFileInfo(path).absoluteFilePath();
    for (int links = 0; links < kMostLinks; ++links) {
        const QFileInfo info(file);
        if (!info.isSymbolicLink())
            break;
        file = info.symLinkTarget();
    }
    const QFileInfo info(file);
    const QString folder = info.absoluteDir().canonicalPath();
    return folder.isEmpty() ? file : QDir(folder).filePath(info.fileName());
}

SaveLock::SaveLock(const QString& path)
    : m_path(path)
    , m_lock(fileReached(path) + QLatin1StringView(kLockSuffix))
    , m_taken(take())
{ }

// QLockFile's own wait looks again only after ever longer sleeps, up to seconds: beside a copy of the
// program that saves again and again, it would nearly always look while the other holds the lock. Looking
// every few milliseconds finds the moments between the other's saves.
Result<void> SaveLock::take()
{
    const auto giveUp = std::chrono::steady_clock::now() + kLockWait;
    for (;;) {
        // QLockFile gives no reason when it cannot make its file; the system's, from the call that failed,
        // is taken from errno at once.
        errno = 0;
        if (m_lock.tryLock(0))
            return {};
        const int error = errno;
        switch (m_lock.error()) {
        case QLockFile::LockFailedError:
            break;
        case QLockFile::PermissionError:
            return failureOf(m_path, qt_error_string(error != 0 ? error : EACCES));
        case QLockFile::NoError:
        case QLockFile::UnknownError:
            return failureOf(m_path, qt_error_string(error != 0 ? error : EIO));
        }
        if (Result<void> removed = removeIfOwnerGone(); !removed.ok())
            return removed;
        if (std::chrono::steady_clock::now() >= giveUp) {
            return failureOf(m_path,
                QStringLiteral(
                    "ほかの保存が %1 秒たっても終わりませんでした。しばらくしてからもう一度お試しください。")
                    .arg(std::chrono::duration_cast<std::chrono::seconds>(kLockWait).count()));
        }
        std::this_thread::sleep_for(kBetweenLooks);
    }
}

// QLockFile takes over a lock whose owner has ended only when it can make a second lock beside it, which
// a read-only folder forbids, and never a lock path that names no owner. The second lock keeps two
// copies from both taking over, one removing the lock the other has just made in its place; where it
// cannot be made, no lock can be made either, so there is nothing to guard. It is the one QLockFile
// takes for the same purpose.
Result<void> SaveLock::removeIfOwnerGone()
{
    const QString lockPath = m_lock.fileName();
    if (ownerOf(m_lock) != Owner::Gone)
        return {};
    QLockFile guard(lockPath + QStringLiteral(".rmlock"));
    if (!guard.tryLock(0) && guard.error() == QLockFile::LockFailedError)
        return {};
    if (ownerOf(m_lock) != Owner::Gone)
        return {};
    if (QFile lock(lockPath); !lock.remove() && QFileInfo::exists(lockPath)) {
        return failureOf(lockPath,
            QStringLiteral("%1\n前に終わった保存のロックが残っていて、消すことができません。"
                           "このファイルを削除してから、もう一度お試しください。")
                .arg(lock.errorString()));
    }
    return {};
}

} // namespace core
