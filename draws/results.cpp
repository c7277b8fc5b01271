#include "draws/results.h"

namespace draws {

namespace {

QString drawText(lotteries::Lottery lottery, const lotteries::Draw& draw)
{
    const bool loto = lottery == lotteries::Lottery::Loto6 || lottery == lotteries::Lottery::MiniLoto;
    QStringList numbers;
    for (const int number : draw.numbers)
        numbers.append(
            loto ? QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')) : QString::number(number));
    QString text = QStringLiteral("第%1回").arg(draw.number);
    if (draw.date.isValid())
        text += u' ' + draw.date.toString(QStringLiteral("yyyy/MM/dd"));
    text += u' ' + numbers.join(loto ? QStringLiteral(" ") : QString());
    if (loto)
        text += QStringLiteral(" (%1)").arg(draw.bonus, 2, 10, QLatin1Char('0'));
    return text;
}

} // namespace

ReadResults readResults(lotteries::Lottery lottery, QStringView text)
{
    ReadResults results;
    qsizetype number = 0;
    for (const QStringView line : text.tokenize(u'\n')) {
        ++number;
        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        const core::Result<lotteries::Draw, QString> draw = lotteries::readResultLine(lottery, trimmed);
        if (draw.ok())
            results.draws.append(draw.value());
        else
            results.refused.append({number, draw.failure()});
    }
    return results;
}

QString resultsReport(lotteries::Lottery lottery, const ReadResults& results)
{
    QStringList lines;
    lines.append(QStringLiteral("読み取れた回: %1").arg(results.draws.size()));
    for (const lotteries::Draw& draw : results.draws)
        lines.append(QStringLiteral("　") + drawText(lottery, draw));
    if (!results.refused.isEmpty()) {
        lines.append(QStringLiteral("読み取れなかった行: %1").arg(results.refused.size()));
        for (const RefusedLine& refused : results.refused)
            lines.append(QStringLiteral("　%1 行目: %2").arg(refused.line).arg(refused.reason));
    }
    return lines.join(u'\n');
}

} // namespace draws
