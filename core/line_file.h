// Byte files of lines, as the print files and the settings file are kept: read with any line end,
// written with CR LF, and never left half written.
#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <functional>
#include <limits>
#include <optional>

namespace core {

using Lines = QList<QByteArray>;

// CR LF, a lone LF and a lone CR all end a line; a last line without a line end still counts.
Lines splitLines(const QByteArray& bytes);
// Every line ends with CR LF, the line end these files have always had.
QByteArray joinLines(const Lines& lines);

// A file of up to kLargestIndexed bytes: a line takes at least one byte, so its lines are no more than
// an int counts, as Qt's views count rows, and each line's start fits in 32 bits.
inline constexpr qsizetype kLargestIndexed = std::numeric_limits<int>::max();

// A file's bytes as they were read, with where each line begins: the lines of splitLines, without an
// array of bytes for each of them, so that a long file costs little more than its own size.
class IndexedLines {
public:
    // Reads the file in place of the lines held before, into the buffers those took as far as they
    // reach, so that a file read again after every change needs no new memory: new memory costs more
    // than the reading itself. A file larger than kLargestIndexed fails with the system's words for a
    // file too large; after a failure no lines are held.
    Result<void> read(const QString& path);
    // Reads the file again as read() does, and tells whether its bytes differ from those read before: a
    // file rewritten to the same size within one tick of the file system's clock keeps its size and
    // times, so only the bytes tell. The same bytes keep their lines as they were, without finding where
    // each begins again. A file that cannot be read holds no lines, as after read().
    Result<bool> readAgain(const QString& path);
    // Whether the lines held are a file's, read without failure.
    bool isRead() const { return m_read; }

    qsizetype size() const { return m_starts.size(); }
    // The line without its line end.
    QByteArrayView at(qsizetype index) const;

private:
    Result<void> readBytes(const QString& path);
    // Finds where each line begins.
    void index();

    QByteArray m_bytes;
    bool m_read = false;
    // Four bytes a line: starts of 64 bits would take more than a whole Numbers3 line, "123A" and CR LF.
    QList<quint32> m_starts;
};

Result<QByteArray> readFile(const QString& path);
Result<Lines> readLines(const QString& path);

// Every save below holds the file's SaveLock (core/save_lock.h) from its reading of the file to the
// rename, and writes through saveAtomically (core/atomic_save.h).

// Writes through a temporary file and an atomic rename: on failure the old file stays as it was.
Result<void> saveFile(const QString& path, const QByteArray& bytes);
Result<void> saveLines(const QString& path, const Lines& lines);
// Saves the lines edit makes of the file's lines as they are now (nothing for a missing file); when edit
// gives nothing back, the file is left as it is.
Result<void> editLines(
    const QString& path, const std::function<std::optional<Lines>(const std::optional<Lines>& now)>& edit);
// Removes the first line that is exactly line, and every line for which alsoDrop holds; the others stay
// byte for byte, each then ending with CR LF, as one atomic save. When no line is line, nothing is saved
// and false comes back.
Result<bool> removeLine(
    const QString& path, QByteArrayView line, const std::function<bool(QByteArrayView line)>& alsoDrop);
// Adds lines after the old content, as one atomic save. A last old line without a line end gets one
// first, so the new line never runs into it. A missing file is created.
Result<void> appendLines(const QString& path, const Lines& lines);
// Creates an empty file where nothing of that name exists; whatever exists is not touched, and a
// folder of that name fails when it is read.
Result<void> ensureFileExists(const QString& path);
// Creates the file with these bytes where nothing of that name exists, as ensureFileExists does.
Result<void> createFile(const QString& path, const QByteArray& bytes);

} // namespace core
