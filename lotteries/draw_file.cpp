#include "lotteries/draw_file.h"

#include <map>

namespace lotteries {

namespace {

QString fileNameOf(const LotteryRules& rules)
{
    QString name = QString::fromLatin1(rules.printFile);
    name.truncate(name.lastIndexOf(u'.'));
    return name + QStringLiteral("_draws.csv");
}

} // namespace

DrawFile::DrawFile(const LotteryRules& rules, const QDir& dataDir)
    : m_lottery(rules.lottery)
    , m_path(dataDir.filePath(fileNameOf(rules)))
{ }

core::Result<QList<Draw>> DrawFile::read() const
{
    if (!QFileInfo::exists(m_path))
        return QList<Draw>();
    const core::Result<core::Lines> lines = core::readLines(m_path);
    if (!lines.ok())
        return lines.failure();
    std::map<int, Draw> byNumber;
    for (const QByteArray& line : lines.value()) {
        if (const core::Result<Draw, QString> draw = readDrawFileLine(m_lottery, line); draw.ok())
            byNumber[draw.value().number] = draw.value();
    }
    QList<Draw> draws;
    draws.reserve(static_cast<qsizetype>(byNumber.size()));
    for (const auto& [number, draw] : byNumber)
        draws.append(draw);
    return draws;
}

core::Result<void> DrawFile::keep(const QList<Draw>& draws) const
{
    const Lottery lottery = m_lottery;
    return core::editLines(m_path, [&draws, lottery](const std::optional<core::Lines>& now) {
        std::map<int, QByteArray> byNumber;
        core::Lines others;
        for (const QByteArray& line : now.value_or(core::Lines())) {
            if (const core::Result<Draw, QString> draw = readDrawFileLine(lottery, line); draw.ok())
                byNumber[draw.value().number] = line;
            else if (!line.isEmpty())
                others.append(line);
        }
        for (const Draw& draw : draws)
            byNumber[draw.number] = drawFileLine(lottery, draw);
        core::Lines lines;
        for (const auto& [number, line] : byNumber)
            lines.append(line);
        lines.append(others);
        return std::optional<core::Lines>(lines);
    });
}

} // namespace lotteries
