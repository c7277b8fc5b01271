#include "quick/base_tables.h"

#include "core/line_file.h"

#include <algorithm>

namespace quick {

namespace {

bool isDigits(const QByteArray& entry, int digits)
{
    return entry.size() == digits
        && std::all_of(entry.begin(), entry.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

core::Result<BaseTables, TablesFailure> readBaseTables(const QDir& dataDir)
{
    const QString path = dataDir.absoluteFilePath(QString::fromLatin1(kDataFileName));
    const core::Result<core::Lines> read = core::readLines(path);
    if (!read.ok())
        return read.failure();
    const core::Lines& lines = read.value();

    BaseTables tables;
    for (int index = 0; index < kNumbers3Entries + kNumbers4Entries; ++index) {
        const int digits = index < kNumbers3Entries ? 3 : 4;
        if (index >= lines.size())
            return DataFault {QDir::toNativeSeparators(path), index + 1, true, digits, {}};
        const QByteArray& entry = lines.at(index);
        if (!isDigits(entry, digits))
            return DataFault {QDir::toNativeSeparators(path), index + 1, false, digits, entry};
        (digits == 3 ? tables.numbers3 : tables.numbers4).append(entry);
    }
    return tables;
}

} // namespace quick
