// quick.dat of any content: either both tables, every entry of the digits its table holds, or the
// first line that cannot be used, which lies within the two tables.
#include "core/line_file.h"
#include "fuzz/fuzz_target.h"
#include "quick/base_tables.h"

#include <QTemporaryDir>
#include <algorithm>

namespace {

bool allDigits(const QList<QByteArray>& table, qsizetype size, qsizetype digits)
{
    return table.size() == size && std::all_of(table.begin(), table.end(), [digits](const QByteArray& entry) {
        return entry.size() == digits
            && std::all_of(entry.begin(), entry.end(), [](char c) { return c >= '0' && c <= '9'; });
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QTemporaryDir folder;
    const QDir dataDir(folder.path());
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    fuzz::require(core::saveFile(dataDir.filePath(QString::fromLatin1(quick::kDataFileName)), bytes).ok(),
        "quick.dat is written");

    const auto read = quick::readBaseTables(dataDir);
    fuzz::require(read.ok() || !std::holds_alternative<core::FileFailure>(read.failure()), "quick.dat reads");
    if (const auto* fault = read.ok() ? nullptr : std::get_if<quick::DataFault>(&read.failure())) {
        fuzz::require(fault->line >= 1 && fault->line <= quick::kNumbers3Entries + quick::kNumbers4Entries,
            "the fault names a line of the tables");
        fuzz::require(fault->digits == (fault->line <= quick::kNumbers3Entries ? 3 : 4), "its digit count");
        fuzz::require(fault->missing == (fault->line > core::splitLines(bytes).size()), "missing or not");
        return 0;
    }
    const auto& tables = read.value();
    fuzz::require(allDigits(tables.numbers3, quick::kNumbers3Entries, 3), "Numbers3 table");
    fuzz::require(allDigits(tables.numbers4, quick::kNumbers4Entries, 4), "Numbers4 table");
    return 0;
}
