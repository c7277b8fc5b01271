#include "lotteries/print_file.h"

#include <QHash>

namespace lotteries {

namespace {

// Calls found(line) for each line of now that one of wanted claims, the first lines first, and kept(line)
// for every other; each line of wanted claims one line at most.
template <typename Found, typename Kept>
void claimLines(const core::Lines& now, const core::Lines& wanted, Found found, Kept kept)
{
    QHash<QByteArray, qsizetype> unclaimed;
    for (const QByteArray& line : wanted)
        ++unclaimed[line];
    for (const QByteArray& line : now) {
        const auto claim = unclaimed.find(line);
        if (claim != unclaimed.end() && claim.value() > 0) {
            --claim.value();
            found(line);
        } else {
            kept(line);
        }
    }
}

} // namespace

PrintFile::PrintFile(const LotteryRules& rules, const QDir& dataDir)
    : m_rules(&rules)
    , m_path(dataDir.filePath(QString::fromLatin1(rules.printFile)))
{ }

core::Result<void> PrintFile::createIfMissing() const
{
    return core::ensureFileExists(m_path);
}

core::Result<core::Lines> PrintFile::lines() const
{
    return core::readLines(m_path);
}

core::Result<void> PrintFile::append(const core::Lines& lines) const
{
    return core::appendLines(m_path, lines);
}

core::Result<void> PrintFile::replace(const core::Lines& lines) const
{
    return core::saveLines(m_path, lines);
}

core::Result<bool> PrintFile::remove(QByteArrayView line) const
{
    return core::removeLine(m_path, line, [](QByteArrayView other) { return other.isEmpty(); });
}

core::Result<qsizetype> PrintFile::removeEach(const core::Lines& lines) const
{
    qsizetype removed = 0;
    const core::Result<void> saved = core::editLines(m_path, [&](const std::optional<core::Lines>& now) {
        removed = 0;
        core::Lines kept;
        claimLines(
            now.value_or(core::Lines()), lines, [&](const QByteArray&) { ++removed; },
            [&](const QByteArray& line) {
                if (!line.isEmpty())
                    kept.append(line);
            });
        return removed > 0 ? std::optional<core::Lines>(kept) : std::nullopt;
    });
    if (!saved.ok())
        return saved.failure();
    return removed;
}

core::Result<void> PrintFile::clear() const
{
    return replace({});
}

Picked pickLines(const core::Lines& now, const core::Lines& wanted)
{
    Picked picked;
    claimLines(
        now, wanted, [&](const QByteArray& line) { picked.lines.append(line); }, [](const QByteArray&) {});
    picked.missing = wanted.size() - picked.lines.size();
    return picked;
}

} // namespace lotteries
