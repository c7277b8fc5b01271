#include "core/line_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

namespace core {

namespace {

constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';

FileFailure failureOf(const QString& path, const QString& reason)
{
    return {QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()), reason};
}

bool endsWithLineEnd(const QByteArray& bytes)
{
    return bytes.endsWith(kLineFeed) || bytes.endsWith(kCarriageReturn);
}

} // namespace

Lines splitLines(const QByteArray& bytes)
{
    Lines lines;
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = bytes.at(i);
        if (c != kCarriageReturn && c != kLineFeed)
            continue;
        lines.append(bytes.sliced(start, i - start));
        if (c == kCarriageReturn && i + 1 < size && bytes.at(i + 1) == kLineFeed)
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(bytes.sliced(start));
    return lines;
}

QByteArray joinLines(const Lines& lines)
{
    qsizetype total = 0;
    for (const QByteArray& line : lines)
        total += line.size() + 2;
    QByteArray bytes;
    bytes.reserve(total);
    for (const QByteArray& line : lines) {
        bytes.append(line);
        bytes.append("\r\n");
    }
    return bytes;
}

FileResult<QByteArray> readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failureOf(path, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failureOf(path, file.errorString());
    return bytes;
}

FileResult<Lines> readLines(const QString& path)
{
    const FileResult<QByteArray> bytes = readFile(path);
    if (!bytes.ok())
        return bytes.failure();
    return splitLines(bytes.value());
}

std::optional<FileFailure> saveFile(const QString& path, const QByteArray& bytes)
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
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        // A short write is retried: the one after it fails with the reason, or goes on.
        const qint64 written = file.write(data, left);
        if (written <= 0)
            return cancel(file.errorString());
        data += written;
        left -= written;
    }
    if (!file.flush())
        return cancel(file.errorString());
#ifdef Q_OS_UNIX
    // The data is on the disk before the rename, or the save is given up: after a crash the file is
    // then either the old one or the new one, never an empty one. commit() syncs too but does not
    // look at the result, and some file systems (NFS, quotas) only report a write failure here.
    if (::fsync(file.handle()) != 0)
        return cancel(qt_error_string(errno));
#endif
    if (!file.commit())
        return failureOf(path, file.errorString());
    return std::nullopt;
}

std::optional<FileFailure> saveLines(const QString& path, const Lines& lines)
{
    return saveFile(path, joinLines(lines));
}

std::optional<FileFailure> appendLines(const QString& path, const Lines& lines)
{
    QByteArray bytes;
    if (QFileInfo::exists(path)) {
        const FileResult<QByteArray> old = readFile(path);
        if (!old.ok())
            return old.failure();
        bytes = old.value();
        if (!bytes.isEmpty() && !endsWithLineEnd(bytes))
            bytes.append("\r\n");
    }
    bytes.append(joinLines(lines));
    return saveFile(path, bytes);
}

std::optional<FileFailure> ensureFileExists(const QString& path)
{
    if (QFileInfo::exists(path))
        return std::nullopt;
    return saveFile(path, {});
}

} // namespace core
