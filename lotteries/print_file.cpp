#include "lotteries/print_file.h"

namespace lotteries {

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

core::Result<void> PrintFile::clear() const
{
    return replace({});
}

} // namespace lotteries
