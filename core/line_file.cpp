#include "core/line_file.h"

#include "core/atomic_save.h"
#include "core/save_lock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace core {

namespace {

constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';

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
    if (!openForReading(file))
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
    if (Result<void> read = readBytes(path); !read.ok())
        return read;
    index();
    return {};
}

Result<bool> IndexedLines::readAgain(const QString& path)
{
    // Hashed only here, so that reading after every save costs nothing more. Any seed but 0: with 0 Qt
    // hashes without the processor's AES instructions, five times slower.
    constexpr size_t kSeed = 1;
    const auto hash
        = [this] { return qHashBits(m_bytes.constData(), static_cast<size_t>(m_bytes.size()), kSeed); };
    const std::optional<size_t> before = m_read ? std::optional(hash()) : std::nullopt;
    const qsizetype sizeBefore = m_bytes.size();
    if (Result<void> read = readBytes(path); !read.ok())
        return read.failure();
    // The same bytes begin their lines where they did.
    if (before && m_bytes.size() == sizeBefore && hash() == *before)
        return false;
    index();
    return true;
}

Result<void> IndexedLines::readBytes(const QString& path)
{
    m_read = false;
    Result<void> read = readInto(path, m_bytes);
    if (read.ok() && m_bytes.size() > kLargestIndexed)
        read = failureOf(path, qt_error_string(EFBIG));
    if (!read.ok()) {
        m_bytes.clear();
        m_starts.clear();
        return read;
    }
    m_read = true;
    return {};
}

void IndexedLines::index()
{
    m_starts.clear();
    forEachLine(
        m_bytes, [this](qsizetype start, qsizetype) { m_starts.append(static_cast<quint32>(start)); });
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
    return saveAtomically(path, {bytes});
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
    return saveAtomically(path, {joinLines(*edited)});
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
    if (const Result<void> saved = saveAtomically(path, {kept.finish()}); !saved.ok())
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
    return saveAtomically(path, {old, added});
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
    return saveAtomically(path, {bytes});
}

} // namespace core
