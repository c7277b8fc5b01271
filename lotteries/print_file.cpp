#include "lotteries/print_file.h"

namespace lotteries {

PrintFile::PrintFile(const LotteryRules& rules, const QDir& dataDir)
    : m_rules(&rules)
    , m_path(dataDir.filePath(QString::fromLatin1(rules.printFile)))
{ }

std::optional<core::FileFailure> PrintFile::createIfMissing() const
{
    return core::ensureFileExists(m_path);
}

core::FileResult<core::Lines> PrintFile::lines() const
{
    return core::readLines(m_path);
}

std::optional<core::FileFailure> PrintFile::append(const core::Lines& lines) const
{
    return core::appendLines(m_path, lines);
}

std::optional<core::FileFailure> PrintFile::replace(const core::Lines& lines) const
{
    return core::saveLines(m_path, lines);
}

core::FileResult<bool> PrintFile::remove(QByteArrayView line) const
{
    return core::removeLine(m_path, line, [](QByteArrayView other) { return other.isEmpty(); });
}

std::optional<core::FileFailure> PrintFile::clear() const
{
    return replace({});
}

} // namespace lotteries
