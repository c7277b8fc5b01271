#include "tickets/ticket_list_model.h"

namespace tickets {

TicketListModel::TicketListModel(const lotteries::LotteryRules& rules, QObject* parent)
    : QAbstractListModel(parent)
    , m_rules(rules)
{ }

core::Result<void> TicketListModel::read(const QString& path)
{
    // The lines change under the views only between these two calls, where no view looks at them.
    beginResetModel();
    core::Result<void> failure = m_lines.read(path);
    endResetModel();
    return failure;
}

core::Result<bool> TicketListModel::readAgain(const QString& path)
{
    const bool readBefore = m_lines.isRead();
    // Read with no reset around it, into the buffers the lines took: the views look at the lines only
    // when they draw, never while this runs, so the same lines need not be made known to them, and lines
    // that differ reset them before anything else happens.
    core::Result<bool> changed = m_lines.readAgain(path);
    if (changed.ok() ? !changed.value() : !readBefore)
        return false;
    beginResetModel();
    endResetModel();
    return changed;
}

void TicketListModel::clear()
{
    beginResetModel();
    m_lines = {};
    endResetModel();
}

QByteArray TicketListModel::line(int row) const
{
    return m_lines.at(row).toByteArray();
}

QModelIndex TicketListModel::index(int row, int column, const QModelIndex& parent) const
{
    // A list view asks for the index of every row each time it lays the list out: answered here without
    // the calls to rowCount and columnCount that QAbstractListModel makes for each of them.
    if (parent.isValid() || column != 0 || row < 0 || row >= m_lines.size())
        return {};
    return createIndex(row, column);
}

int TicketListModel::rowCount(const QModelIndex& parent) const
{
    // At most core::kLargestIndexed lines, which an int counts.
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

QVariant TicketListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_lines.size())
        return {};
    return listLine(m_rules, index.row() + 1, m_lines.at(index.row()), m_decode);
}

} // namespace tickets
