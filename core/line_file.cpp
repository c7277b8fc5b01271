#include "core/line_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failureOf(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failureOf(path, reason);
    }
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
