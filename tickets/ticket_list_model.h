// The card window's ticket list: a row for each line of the print file, whose list line is made only
// when a view asks for it. A long print file costs its bytes and where its lines begin, not a string
// for every line.
#pragma once

#include "core/line_file.h"
#include "tickets/entry.h"

#include <QAbstractListModel>

namespace tickets {

class TicketListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    TicketListModel(const lotteries::LotteryRules& rules, QObject* parent);

    // Lists the print file at path as it stands, in place of the lines before; after a failure the list
    // is empty. Either way a reset: views forget their selection and current line and keep where they
    // are scrolled to, as far as the new lines reach.
    core::Result<void> read(const QString& path);
    // Reads the print file at path again, into the memory its lines take, and resets the views as read()
    // does only when the lines are not those listed: the same lines leave the views as they were, their
    // selection and where they are scrolled to. A file that cannot be read, as it could not before, is no
    // change either. Whether the list changed, or why the file could not be read.
    core::Result<bool> readAgain(const QString& path);
    // Lists nothing, and lets go of the memory the lines took.
    void clear();
    // The print file's line the row lists, as it was read, without its line end.
    QByteArray line(int row) const;

    QModelIndex index(int row, int column = 0, const QModelIndex& parent = {}) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const lotteries::LotteryRules& m_rules;
    core::IndexedLines m_lines;
    // Only lines that are not ASCII are decoded; data() is const to the views, the decoder holds no state.
    mutable core::ShiftJisDecoder m_decode;
};

} // namespace tickets
