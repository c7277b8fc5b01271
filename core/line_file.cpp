#include "core/line_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>

#ifdef Q_OS_WIN
#include <io.h>
#else
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

bool isLineEnd(char c)
{
    return c == kCarriageReturn || c == kLineFeed;
}

bool endsWithLineEnd(const QByteArray& bytes)
{
    return !bytes.isEmpty() && isLineEnd(bytes.back());
}

void appendLine(QByteArray& bytes, QByteArrayView line)
{
    bytes.append(line);
    bytes.append("\r\n");
}

// Calls take(start, size) for each line of bytes, in order: the one place where lines are cut.
template <typename Take> void forEachLine(QByteArrayView bytes, Take take)
{
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = bytes[i];
        if (!isLineEnd(c))
            continue;
        take(start, i - start);
        if (c == kCarriageReturn && i + 1 < size && bytes[i + 1] == kLineFeed)
            ++i;
        start = i + 1;
    }
    if (start < size)
        take(start, size - start);
}

// The lines a rewrite keeps, put together in the buffer the file was read into, so that no second
// buffer of the file's size is needed: every write lands before the line being read, and what is still
// to be read stays as it was. Kept lines that follow each other and already end with CR LF move as one
// run, so a long file that loses one line moves in one piece. Only a lone CR or LF that grows into CR LF
// where too little was dropped before it to make room sends the rest into a buffer of its own.
class KeptLines {
public:
    explicit KeptLines(QByteArray bytes)
        : m_bytes(std::move(bytes))
        , m_data(m_bytes.data())
    { }

    QByteArrayView read() const { return {m_data, m_bytes.size()}; }

    // The line at start keeps its place after the lines kept before it.
    void add(qsizetype start, qsizetype size)
    {
        const qsizetype end = start + size;
        if (read().sliced(end).startsWith("\r\n")) {
            if (start != m_runEnd) {
                endRun();
                m_runStart = start;
            }
            m_runEnd = end + 2;
            return;
        }
        // A lone CR or LF, or none after the last line: the line gets CR LF of its own.
        endRun();
        m_runStart = std::min(end + 1, m_bytes.size());
        m_runEnd = m_runStart;
        if (!m_copy && m_written + 2 > start) {
            m_copy = QByteArray(m_data, m_written);
            m_copy->reserve(m_bytes.size() + 2);
        }
        put(read().sliced(start, size));
        put("\r\n");
    }

    QByteArray finish()
    {
        endRun();
        if (m_copy)
            return *std::move(m_copy);
        m_bytes.truncate(m_written);
        return std::move(m_bytes);
    }

private:
    void endRun() { put(read().sliced(m_runStart, m_runEnd - m_runStart)); }

    void put(QByteArrayView piece)
    {
        if (m_copy) {
            m_copy->append(piece);
        } else {
            std::memmove(m_data + m_written, piece.data(), piece.size());
            m_written += piece.size();
        }
    }

    QByteArray m_bytes;
    char* m_data; // m_bytes' own, taken once, so that the buffer is never shared or moved while read
    qsizetype m_written = 0;
    std::optional<QByteArray> m_copy;
    qsizetype m_runStart = 0;
    qsizetype m_runEnd = 0;
};

// Reads the whole file into bytes, in place of what they held and into their buffer when it is large
// enough.
Result<void> readInto(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failureOf(path, file.errorString());
    const qint64 size = file.size();
    if (size == 0) {
        // Empty, or a file that cannot tell its size: read to its end.
        bytes = file.readAll();
    } else {
        // A buffer too small is let go first, so that its bytes are not copied into the new one.
        if (bytes.capacity() < size)
            bytes = QByteArray();
        bytes.resize(size);
        bytes.resize(std::max<qint64>(file.read(bytes.data(), size), 0));
    }
    if (file.error() != QFileDevice::NoError)
        return failureOf(path, file.errorString());
    return {};
}

// The file's lock, held while the object lives; see kLockSuffix. Only saves take it: a reader sees the old
// file or the new one, whole, since a save ends in a rename.
class SaveLock {
public:
    explicit SaveLock(const QString& path)
        : m_lock(path + QLatin1StringView(kLockSuffix))
    {
        // QLockFile gives no reason when it cannot make its file; the system's, from the call that failed,
        // is taken from errno at once.
        errno = 0;
        if (tryLockWithin(kLockWait))
            return;
        const int error = errno;
        switch (m_lock.error()) {
        case QLockFile::LockFailedError:
            m_taken = failureOf(path,
                QStringLiteral(
                    "ほかの保存が %1 秒たっても終わりませんでした。しばらくしてからもう一度お試しください。")
                    .arg(std::chrono::duration_cast<std::chrono::seconds>(kLockWait).count()));
            break;
        case QLockFile::PermissionError:
            m_taken = failureOf(path, qt_error_string(error != 0 ? error : EACCES));
            break;
        case QLockFile::NoError:
        case QLockFile::UnknownError:
            m_taken = failureOf(path, error != 0 ? qt_error_string(error) : qt_error_string(EIO));
            break;
        }
    }

    // Taken, or why the lock could not be had within the wait.
    const Result<void>& taken() const { return m_taken; }

private:
    // QLockFile's own wait looks again only after ever longer sleeps, up to seconds: beside a copy of the
    // program that saves again and again, it would nearly always look while the other holds the lock.
    // Looking every few milliseconds finds the moments between the other's saves.
    bool tryLockWithin(std::chrono::milliseconds wait)
    {
        constexpr std::chrono::milliseconds kBetweenLooks {5};
        const auto giveUp = std::chrono::steady_clock::now() + wait;
        while (!m_lock.tryLock(0)) {
            if (m_lock.error() != QLockFile::LockFailedError || std::chrono::steady_clock::now() >= giveUp)
                return false;
            std::this_thread::sleep_for(kBetweenLooks);
        }
        return true;
    }

    QLockFile m_lock;
    Result<void> m_taken;
};

// Saves the pieces one after the other as the file's new content, as saveFile saves its bytes; a file is
// put together this way without a copy of what it already held.
Result<void> savePieces(const QString& path, std::initializer_list<QByteArrayView> pieces)
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
        // The data is on the disk before the rename, or the save is given up: after a crash the file is
        // then either the old one or the new one, never an empty one. commit() syncs too but does not
        // look at the result, and some file systems (NFS, quotas) only report a write failure here.
#ifdef Q_OS_WIN
    if (::_commit(file.handle()) != 0)
        return cancel(qt_error_string(errno));
#else
    if (::fsync(file.handle()) != 0)
        return cancel(qt_error_string(errno));
#endif
    if (!file.commit())
        return failureOf(path, file.errorString());
    return {};
}

} // namespace

Lines splitLines(const QByteArray& bytes)
{
    Lines lines;
    forEachLine(bytes, [&](qsizetype start, qsizetype size) { lines.append(bytes.sliced(start, size)); });
    return lines;
}

QByteArray joinLines(const Lines& lines)
{
    qsizetype total = 0;
    for (const QByteArray& line : lines)
        total += line.size() + 2;
    QByteArray bytes;
    bytes.reserve(total);
    for (const QByteArray& line : lines)
        appendLine(bytes, line);
    return bytes;
}

FileStamp stampOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {true, info.size(), info.lastModified().toMSecsSinceEpoch(),
        info.metadataChangeTime().toMSecsSinceEpoch()};
}

Result<QByteArray> readFile(const QString& path)
{
    QByteArray bytes;
    if (const Result<void> read = readInto(path, bytes); !read.ok())
        return read.failure();
    return bytes;
}

Result<Lines> readLines(const QString& path)
{
    const Result<QByteArray> bytes = readFile(path);
    if (!bytes.ok())
        return bytes.failure();
    return splitLines(bytes.value());
}

Result<void> IndexedLines::read(const QString& path)
{
    m_starts.clear();
    Result<void> read = readInto(path, m_bytes);
    if (read.ok() && m_bytes.size() > kLargestIndexed)
        read = failureOf(path, qt_error_string(EFBIG));
    if (!read.ok()) {
        m_bytes.clear();
        return read;
    }
    forEachLine(
        m_bytes, [this](qsizetype start, qsizetype) { m_starts.append(static_cast<quint32>(start)); });
    return {};
}

QByteArrayView IndexedLines::at(qsizetype index) const
{
    const char* start = m_bytes.constData() + m_starts.at(index);
    return {start, std::find_if(start, m_bytes.constData() + m_bytes.size(), isLineEnd)};
}

Result<void> saveFile(const QString& path, const QByteArray& bytes)
{
    const SaveLock lock(path);
    if (!lock.taken().ok())
        return lock.taken();
    return savePieces(path, {bytes});
}

Result<void> saveLines(const QString& path, const Lines& lines)
{
    return saveFile(path, joinLines(lines));
}

Result<void> editLines(
    const QString& path, const std::function<std::optional<Lines>(const std::optional<Lines>& now)>& edit)
{
    const SaveLock lock(path);
    if (!lock.taken().ok())
        return lock.taken();
    std::optional<Lines> now;
    if (QFileInfo::exists(path)) {
        const Result<Lines> read = readLines(path);
        if (!read.ok())
            return read.failure();
        now = read.value();
    }
    const std::optional<Lines> edited = edit(now);
    if (!edited)
        return {};
    return savePieces(path, {joinLines(*edited)});
}

Result<bool> removeLine(
    const QString& path, QByteArrayView line, const std::function<bool(QByteArrayView line)>& alsoDrop)
{
    const SaveLock lock(path);
    if (!lock.taken().ok())
        return lock.taken().failure();
    Result<QByteArray> read = readFile(path);
    if (!read.ok())
        return read.failure();
    KeptLines kept(std::move(read).value());
    qsizetype found = -1;
    qsizetype index = 0;
    forEachLine(kept.read(), [&](qsizetype start, qsizetype size) {
        if (found < 0 && kept.read().sliced(start, size) == line)
            found = index;
        ++index;
    });
    if (found < 0)
        return false;
    index = 0;
    forEachLine(kept.read(), [&](qsizetype start, qsizetype size) {
        if (index++ != found && !alsoDrop(kept.read().sliced(start, size)))
            kept.add(start, size);
    });
    if (const Result<void> saved = savePieces(path, {kept.finish()}); !saved.ok())
        return saved.failure();
    return true;
}

Result<void> appendLines(const QString& path, const Lines& lines)
{
    const SaveLock lock(path);
    if (!lock.taken().ok())
        return lock.taken();
    QByteArray old;
    if (QFileInfo::exists(path)) {
        Result<QByteArray> read = readFile(path);
        if (!read.ok())
            return read.failure();
        old = std::move(read).value();
    }
    QByteArray added;
    if (!old.isEmpty() && !endsWithLineEnd(old))
        added.append("\r\n");
    added.append(joinLines(lines));
    return savePieces(path, {old, added});
}

Result<void> ensureFileExists(const QString& path)
{
    return createFile(path, {});
}

Result<void> createFile(const QString& path, const QByteArray& bytes)
{
    if (QFileInfo::exists(path))
        return {};
    const SaveLock lock(path);
    if (!lock.taken().ok())
        return lock.taken();
    // Another save may have made it while this one waited for the lock.
    if (QFileInfo::exists(path))
        return {};
    return savePieces(path, {bytes});
}

} // namespace core
