// The draw check's result table: a row for each line of the print file against each draw checked, made
// only when a view asks for it, so that a long file checked against many draws costs the file's bytes,
// not a row of text for every pair.
#pragma once

#include "core/line_file.h"
#include "core/shift_jis.h"
#include "lotteries/prize.h"

#include <QAbstractTableModel>
#include <array>
#include <functional>
#include <optional>

namespace draws {

// How many rows got each class and each note.
struct Tally {
    std::array<qint64, 10> prizes {}; // by lotteries::Prize
    std::array<qint64, 4> refusals {}; // by lotteries::Refusal; [0] unused

    bool operator==(const Tally&) const = default;
};

// The counts of a check in one pass over every line and draw. goOn is asked after each draw with how
// many draws are done; when it answers false the tally stops and nothing comes back.
std::optional<Tally> tallyOf(const lotteries::LotteryRules& rules, const core::IndexedLines& lines,
    const QList<lotteries::Draw>& draws, const std::function<bool(qsizetype drawsDone)>& goOn);

// The summary under the table: each class with its count, then the notes.
QString tallyText(const lotteries::LotteryRules& rules, const Tally& tally);

class CheckTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit CheckTableModel(QObject* parent);

    // Reads the print file at path and checks it against the draws: with more than one draw the table
    // gets a column for the draw number. After a failure the table is empty.
    core::Result<void> check(
        const lotteries::LotteryRules& rules, const QString& path, const QList<lotteries::Draw>& draws);
    void clear();

    const core::IndexedLines& lines() const { return m_lines; }
    const QList<lotteries::Draw>& draws() const { return m_draws; }
    // The rows as text to copy: the column names, then a line a row, the columns separated by tabs.
    QString rowsText(QList<int> rows) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString text(int row, int column) const;

    const lotteries::LotteryRules* m_rules = nullptr;
    core::IndexedLines m_lines;
    QList<lotteries::Draw> m_draws;
    mutable core::ShiftJisDecoder m_decode;
};

} // namespace draws
