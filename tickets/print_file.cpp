#include "tickets/print_file.h"

#include "tickets/entry.h"

namespace tickets {

PrintFile::PrintFile(const LotteryRules& rules, const QDir& dataDir)
    : m_rules(rules)
    , m_path(dataDir.filePath(QString::fromLatin1(rules.printFile)))
{ }

core::FileResult<QStringList> PrintFile::open() const
{
    if (auto failure = core::ensureFileExists(m_path))
        return *failure;
    return list();
}

core::FileResult<core::Lines> PrintFile::lines() const
{
    return core::readLines(m_path);
}

core::FileResult<QStringList> PrintFile::list() const
{
    const core::FileResult<core::Lines> lines = core::readLines(m_path);
    if (!lines.ok())
        return lines.failure();
    return listLines(m_rules, lines.value());
}

std::optional<core::FileFailure> PrintFile::append(const core::Lines& lines) const
{
    return core::appendLines(m_path, lines);
}

std::optional<core::FileFailure> PrintFile::replace(const core::Lines& lines) const
{
    return core::saveLines(m_path, lines);
}

std::optional<core::FileFailure> PrintFile::remove(qsizetype index) const
{
    const core::FileResult<core::Lines> read = core::readLines(m_path);
    if (!read.ok())
        return read.failure();
    core::Lines lines = read.value();
    if (index >= 0 && index < lines.size())
        lines.removeAt(index);
    lines.removeIf([](const QByteArray& line) { return line.isEmpty(); });
    return core::saveLines(m_path, lines);
}

std::optional<core::FileFailure> PrintFile::clear() const
{
    return replace({});
}

} // namespace tickets
