#include "draws/check_table.h"

#include "tickets/entry.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace draws {

namespace {

enum Column { LineColumn, SetColumn, MatchedColumn, ClassColumn, kColumns };

QString columnName(int column)
{
    switch (column) {
    case LineColumn:
        return QStringLiteral("行");
    case SetColumn:
        return QStringLiteral("セット");
    case MatchedColumn:
        return QStringLiteral("一致");
    default:
        return QStringLiteral("等級");
    }
}

// LOTO: the matched numbers two digits each, "(ボーナス)" after them when the set holds the bonus
// number. Numbers: the set's digits, a dash where the draw has another digit in that place.
QString matchedText(const lotteries::LotteryRules& rules, const lotteries::SetCheck& check,
    QByteArrayView line, const lotteries::Draw& draw)
{
    if (rules.form == lotteries::EntryForm::NumberFields) {
        QStringList parts;
        for (const int number : check.matched)
            parts.append(QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')));
        if (check.bonus)
            parts.append(QStringLiteral("(ボーナス)"));
        return parts.join(u' ');
    }
    if (check.refusal == lotteries::Refusal::NoEntry)
        return {};
    QString text;
    for (int digit = 0; digit < rules.count; ++digit) {
        const int value = line.at(digit) - '0';
        text.append(value == draw.numbers.at(digit) ? QChar(u'0' + value) : QChar(u'-'));
    }
    return text;
}

} // namespace

std::optional<Tally> tallyOf(const lotteries::LotteryRules& rules, const core::IndexedLines& lines,
    const QList<lotteries::Draw>& draws, const std::function<bool(qsizetype drawsDone)>& goOn)
{
    // Each line is read once: a set the terminal refuses is refused against every draw alike, and the
    // others meet each draw in a few operations.
    Tally tally;
    std::vector<lotteries::SetOfLine> sets;
    sets.reserve(static_cast<std::size_t>(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        lotteries::SetOfLine set(rules, lines.at(i));
        if (set.refusal() == lotteries::Refusal::None)
            sets.push_back(set);
        else
            tally.refusals.at(static_cast<std::size_t>(set.refusal())) += draws.size();
    }
    for (qsizetype d = 0; d < draws.size(); ++d) {
        const lotteries::NumberKeys drawn = lotteries::drawKeys(rules, draws.at(d));
        for (const lotteries::SetOfLine& set : sets)
            ++tally.prizes.at(static_cast<std::size_t>(set.prize(drawn)));
        if (!goOn(d + 1))
            return std::nullopt;
    }
    return tally;
}

QString tallyText(const lotteries::LotteryRules& rules, const Tally& tally)
{
    using lotteries::Prize;
    const bool loto = rules.form == lotteries::EntryForm::NumberFields;
    QList<Prize> shown;
    if (loto) {
        shown = {Prize::First, Prize::Second, Prize::Third, Prize::Fourth};
        if (rules.lottery == lotteries::Lottery::Loto6)
            shown.append(Prize::Fifth);
    } else {
        shown = {Prize::Straight, Prize::Box, Prize::SetStraight, Prize::SetBox};
    }
    shown.append(Prize::None);
    QStringList parts;
    for (const Prize prize : shown) {
        parts.append(QStringLiteral("%1 %2件")
                         .arg(lotteries::prizeText(prize))
                         .arg(tally.prizes.at(static_cast<std::size_t>(prize))));
    }
    for (const lotteries::Refusal refusal : {lotteries::Refusal::RepeatedNumber,
             lotteries::Refusal::AllDigitsAlike, lotteries::Refusal::NoEntry}) {
        const qint64 count = tally.refusals.at(static_cast<std::size_t>(refusal));
        if (count > 0)
            parts.append(QStringLiteral("%1 %2件").arg(lotteries::refusalText(refusal)).arg(count));
    }
    return parts.join(QStringLiteral("　"));
}

CheckTableModel::CheckTableModel(QObject* parent)
    : QAbstractTableModel(parent)
{ }

core::Result<void> CheckTableModel::check(
    const lotteries::LotteryRules& rules, const QString& path, const QList<lotteries::Draw>& draws)
{
    beginResetModel();
    m_rules = &rules;
    m_draws = draws;
    core::Result<void> read = m_lines.read(path);
    if (!read.ok())
        m_draws.clear();
    endResetModel();
    return read;
}

void CheckTableModel::clear()
{
    beginResetModel();
    m_lines = {};
    m_draws.clear();
    endResetModel();
}

int CheckTableModel::rowCount(const QModelIndex& parent) const
{
    // The window refuses a check of more pairs than an int counts, once it has read the lines.
    return parent.isValid() ? 0
                            : static_cast<int>(std::min<qsizetype>(
                                m_lines.size() * m_draws.size(), std::numeric_limits<int>::max()));
}

int CheckTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns + (m_draws.size() > 1 ? 1 : 0);
}

QVariant CheckTableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    return text(index.row(), index.column());
}

QVariant CheckTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    const bool range = m_draws.size() > 1;
    return range && section == 0 ? QStringLiteral("回号") : columnName(section - (range ? 1 : 0));
}

QString CheckTableModel::text(int row, int column) const
{
    const qsizetype drawIndex = row / m_lines.size();
    const qsizetype lineIndex = row % m_lines.size();
    const lotteries::Draw& draw = m_draws.at(drawIndex);
    if (m_draws.size() > 1) {
        if (column == 0)
            return QString::number(draw.number);
        --column;
    }
    const QByteArrayView line = m_lines.at(lineIndex);
    switch (column) {
    case LineColumn:
        return QString::number(lineIndex + 1);
    case SetColumn:
        return tickets::setText(*m_rules, line, m_decode);
    default:
        break;
    }
    const lotteries::SetCheck check = lotteries::checkLine(*m_rules, line, draw);
    if (column == MatchedColumn)
        return matchedText(*m_rules, check, line, draw);
    return check.refusal != lotteries::Refusal::None ? lotteries::refusalText(check.refusal)
                                                     : lotteries::prizeText(check.prize);
}

QString CheckTableModel::rowsText(QList<int> rows) const
{
    std::sort(rows.begin(), rows.end());
    QStringList names;
    for (int column = 0; column < columnCount(); ++column)
        names.append(headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
    QString text = names.join(u'\t') + u'\n';
    for (const int row : rows) {
        for (int column = 0; column < columnCount(); ++column) {
            if (column > 0)
                text += u'\t';
            text += this->text(row, column);
        }
        text += u'\n';
    }
    return text;
}

} // namespace draws
