#include "core/atomic_save.h"

#include "core/save_lock.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>

#ifdef Q_OS_WIN
#include <QRandomGenerator>
#include <fcntl.h>
#include <io.h>
#include <thread>
#include <windows.h>
#else
#include <QSaveFile>
#include <unistd.h>
#endif

namespace core {

#ifdef Q_OS_WIN

namespace {

constexpr std::chrono::milliseconds kFirstPause {10};
constexpr std::chrono::milliseconds kLongestPause {250};

// What Windows says while another program holds the file open without letting it be deleted.
bool isHeldByAnother(DWORD error)
{
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION;
}

QString heldReason()
{
    return QStringLiteral("ほかのプログラム（ウイルス対策ソフト、同期ソフト、このプログラムのもう一つの"
                          "コピーなど）がファイルを使っています。しばらくしてからもう一度お試しください。");
}

QString readOnlyReason()
{
    return QStringLiteral("ファイルが読み取り専用になっています。ファイルのプロパティで「読み取り専用」を"
                          "外してから、もう一度お試しください。");
}

std::wstring native(const QString& path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

// Runs step until it succeeds, fails otherwise than by another program holding the file, or the wait is
// over: with ever longer pauses, since a scanner that is still busy after a few milliseconds is likely to
// be busy for longer. Gives the last error, or ERROR_SUCCESS.
template <typename Step> DWORD retryWhileHeld(Step step)
{
    const auto giveUp = std::chrono::steady_clock::now() + kReplaceWait;
    auto pause = kFirstPause;
    for (;;) {
        if (step())
            return ERROR_SUCCESS;
        const DWORD error = GetLastError();
        if (!isHeldByAnother(error) || std::chrono::steady_clock::now() + pause > giveUp)
            return error;
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, kLongestPause);
    }
}

// A temporary file of its own beside the file, opened for this save alone: nobody else may open it
// while it is written.
HANDLE createTemporary(const QString& file, QString& temporary)
{
    for (int tries = 0; tries < 100; ++tries) {
        temporary = QStringLiteral("%1.%2.new")
                        .arg(file)
                        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        const HANDLE handle = CreateFileW(
            native(temporary).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return handle;
    }
    return INVALID_HANDLE_VALUE;
}

bool writeAll(HANDLE handle, std::initializer_list<QByteArrayView> pieces)
{
    constexpr qsizetype kLargestWrite = 1 << 30;
    for (const QByteArrayView piece : pieces) {
        const char* data = piece.data();
        qsizetype left = piece.size();
        while (left > 0) {
            DWORD written = 0;
            if (!WriteFile(
                    handle, data, static_cast<DWORD>(std::min(left, kLargestWrite)), &written, nullptr))
                return false;
            data += written;
            left -= written;
        }
    }
    // On the disk before the rename: after a crash the file is the old one or the new one, never empty.
    return FlushFileBuffers(handle);
}

QString reasonOf(DWORD error)
{
    return isHeldByAnother(error) ? heldReason() : qt_error_string(static_cast<int>(error));
}

} // namespace

// QSaveFile ends in one MoveFileEx that fails at once while a scanner holds the file; this save retries
// that rename, and the removal of its temporary file after a failure, for kReplaceWait.
Result<void> saveAtomically(const QString& path, std::initializer_list<QByteArrayView> pieces)
{
    const QString file = fileReached(path);
    const DWORD attributes = GetFileAttributesW(native(file).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return failureOf(path, readOnlyReason());
    QString temporary;
    const HANDLE handle = createTemporary(file, temporary);
    if (handle == INVALID_HANDLE_VALUE)
        return failureOf(path, qt_error_string(static_cast<int>(GetLastError())));
    const bool written = writeAll(handle, pieces);
    DWORD error = written ? ERROR_SUCCESS : GetLastError();
    CloseHandle(handle);
    if (written) {
        error = retryWhileHeld([&] {
            return MoveFileExW(native(temporary).c_str(), native(file).c_str(),
                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        });
    }
    if (error == ERROR_SUCCESS)
        return {};
    retryWhileHeld([&] { return DeleteFileW(native(temporary).c_str()); });
    return failureOf(path, reasonOf(error));
}

bool openForReading(QFile& file)
{
    // Qt opens a file without FILE_SHARE_DELETE, which makes every other copy's save fail while this one
    // reads.
    const HANDLE handle = CreateFileW(native(file.fileName()).c_str(), GENERIC_READ,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
        nullptr);
    // Where the system refuses, Qt's own opening fails the same way and keeps the system's reason.
    if (handle == INVALID_HANDLE_VALUE)
        return file.open(QIODevice::ReadOnly);
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
    if (descriptor == -1) {
        CloseHandle(handle);
        return file.open(QIODevice::ReadOnly);
    }
    return file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
}

#else

Result<void> saveAtomically(const QString& path, std::initializer_list<QByteArrayView> pieces)
{
    // QSaveFile writes into a temporary file beside the real one (beside a link's target, so a link
    // stays a link), gives it the old file's permissions and renames it over the old file. Its own
    // buffering is left out: a buffered write fails only in commit(), which then still renames the
    // short file over the user's (QTBUG-75077). Unbuffered, every write reaches the system at once
    // and the one that finds the disk full brings back the system's reason.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failureOf(path, file.errorString());
    const auto cancel = [&file, &path](const QString& reason) {
        file.cancelWriting();
        return failureOf(path, reason);
    };
    for (const QByteArrayView piece : pieces) {
        const char* data = piece.data();
        qint64 left = piece.size();
        while (left > 0) {
            // A short write is retried: the one after it fails with the reason, or goes on.
            const qint64 written = file.write(data, left);
            if (written <= 0)
                return cancel(file.errorString());
            data += written;
            left -= written;
        }
    }
    if (!file.flush())
        return cancel(file.errorString());
    // The data is on the disk before the rename, or the save is given up: after a crash the file is then
    // either the old one or the new one, never an empty one. commit() syncs too but does not look at the
    // result, and some file systems (NFS, quotas) only report a write failure here.
    if (::fsync(file.handle()) != 0)
        return cancel(qt_error_string(errno));
    if (!file.commit())
        return failureOf(path, file.errorString());
    return {};
}

bool openForReading(QFile& file)
{
    return file.open(QIODevice::ReadOnly);
}

#endif

} // namespace core
