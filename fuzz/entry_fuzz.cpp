// Entries and print-file lines of any content, for each lottery: an accepted entry is a line the
// program accepts again and lists back to the same characters; any print file lists each line as it
// would list alone.
#include "core/line_file.h"
#include "fuzz/fuzz_target.h"
#include "tickets/entry.h"

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
    const tickets::LotteryRules& rules = tickets::rulesOf(static_cast<tickets::Lottery>(data[0] % 4));
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));

    if (const std::optional<QByteArray> line = tickets::acceptEntry(rules, QString::fromUtf8(bytes))) {
        fuzz::require(line->size() == tickets::entryLength(rules), "an accepted line has the entry length");
        fuzz::require(tickets::acceptEntry(rules, QString::fromLatin1(*line)) == line, "accepted again");
        const QString listed = tickets::listLine(rules, 1, QString::fromLatin1(*line));
        fuzz::require(listed.startsWith(u"  1  "), "listed with its sequence number");
        fuzz::require(listedCharacters(listed) == QString::fromLatin1(*line), "listed as accepted");
    }

    const core::Lines lines = core::splitLines(bytes);
    const QStringList list = tickets::listLines(rules, lines);
    fuzz::require(list.size() == lines.size(), "one list line for each print-file line");
    for (qsizetype line = 0; line < lines.size(); ++line) {
        // Each line decoded on its own: what one line holds never changes how the next one reads.
        const QString alone = tickets::LineDecoder()(lines.at(line));
        fuzz::require(
            list.at(line) == tickets::listLine(rules, static_cast<int>(line + 1), alone), "lines apart");
    }
    return 0;
}
