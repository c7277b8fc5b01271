// Byte files of lines, as the print files and the settings file are kept: read with any line end,
// written with CR LF, and never left half written.
#pragma once

#include "core/file_result.h"

#include <QByteArray>
#include <QList>
#include <optional>

namespace core {

using Lines = QList<QByteArray>;

// CR LF, a lone LF and a lone CR all end a line; a last line without a line end still counts.
Lines splitLines(const QByteArray& bytes);
// Every line ends with CR LF, the line end these files have always had.
QByteArray joinLines(const Lines& lines);

FileResult<QByteArray> readFile(const QString& path);
FileResult<Lines> readLines(const QString& path);

// Writes through a temporary file and an atomic rename: on failure the old file stays as it was.
std::optional<FileFailure> saveFile(const QString& path, const QByteArray& bytes);
std::optional<FileFailure> saveLines(const QString& path, const Lines& lines);
// Adds lines after the old content, as one atomic save. A last old line without a line end gets one
// first, so the new line never runs into it. A missing file is created.
std::optional<FileFailure> appendLines(const QString& path, const Lines& lines);
// Creates an empty file where nothing of that name exists; whatever exists is not touched, and a
// folder of that name fails when it is read.
std::optional<FileFailure> ensureFileExists(const QString& path);

} // namespace core
