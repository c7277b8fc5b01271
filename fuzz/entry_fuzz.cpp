// Entries and print-file lines of any content, for each lottery: an accepted entry is a line the
// program accepts again and lists back to the same characters; the ticket list of any print file has
// a row for each line splitLines cuts, listed as that line would list alone; deleting an entry leaves
// every other line that is not empty as it was, ending with CR LF.
#include "core/line_file.h"
#include "fuzz/fuzz_target.h"
#include "lotteries/print_file.h"
#include "tickets/entry.h"
#include "tickets/ticket_list_model.h"

#include <QTemporaryDir>

namespace {

// The entry characters of a list line: what is left once the sequence number and separators are gone.
QString listedCharacters(const QString& listLine)
{
    QString characters = listLine.mid(5);
    characters.remove(u'-');
    characters.remove(u'.');
    return characters;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const lotteries::LotteryRules& rules = lotteries::rulesOf(static_cast<lotteries::Lottery>(data[0] % 4));
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));

    if (const std::optional<QByteArray> line = tickets::acceptEntry(rules, QString::fromUtf8(bytes))) {
        fuzz::require(line->size() == lotteries::entryLength(rules), "an accepted line has the entry length");
        fuzz::require(tickets::acceptEntry(rules, QString::fromLatin1(*line)) == line, "accepted again");
        const QString listed = tickets::listLine(rules, 1, QString::fromLatin1(*line));
        fuzz::require(listed.startsWith(u"  1  "), "listed with its sequence number");
        fuzz::require(listedCharacters(listed) == QString::fromLatin1(*line), "listed as accepted");
    }

    static const QTemporaryDir folder;
    const lotteries::PrintFile printFile(rules, QDir(folder.path()));
    fuzz::require(core::saveFile(printFile.path(), bytes).ok(), "the print file is written");

    const core::Lines lines = core::splitLines(bytes);
    tickets::TicketListModel list(rules, nullptr);
    fuzz::require(list.read(printFile.path()).ok(), "the print file is listed");
    fuzz::require(list.rowCount() == lines.size(), "one row for each print-file line");
    for (int row = 0; row < list.rowCount(); ++row) {
        // Each line decoded on its own: what one line holds never changes how the next one reads.
        const QString alone = core::ShiftJisDecoder()(lines.at(row));
        fuzz::require(
            list.index(row).data().toString() == tickets::listLine(rules, row + 1, alone), "rows apart");
    }

    // The entry picked is known by its text: its first line goes, or nothing when no line has it.
    const QByteArray picked = data[0] / 4 < lines.size() ? lines.at(data[0] / 4) : QByteArray("x");
    const core::Result<bool> removed = printFile.remove(picked);
    const qsizetype first = lines.indexOf(picked);
    fuzz::require(removed.ok() && removed.value() == (first >= 0), "the entry is deleted when it is there");
    core::Result<QByteArray> after = core::readFile(printFile.path());
    if (first < 0) {
        fuzz::require(after.ok() && after.value() == bytes, "nothing changes without the entry");
        return 0;
    }
    core::Lines kept = lines;
    kept.removeAt(first);
    kept.removeIf([](const QByteArray& line) { return line.isEmpty(); });
    fuzz::require(after.ok() && after.value() == core::joinLines(kept), "the other lines kept");
    return 0;
}
