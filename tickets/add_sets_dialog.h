// "まとめて追加": the sets brought in from the clipboard or a text file, each line shown as it will be
// stored or refused with the reason, before any is added. Modal over the card window; it writes nothing.
#pragma once

#include "core/line_file.h"
#include "lotteries/lottery.h"

#include <QDialog>

class QLabel;
class QListView;
class QStringListModel;

namespace ui {
class Prompter;
}

namespace tickets {

class AddSetsDialog final : public QDialog {
    Q_OBJECT

public:
    AddSetsDialog(
        const lotteries::LotteryRules& rules, const QString& text, ui::Prompter& prompter, QWidget* parent);

    // The print-file lines of the lines accepted, in order, and how many lines were refused.
    const core::Lines& accepted() const { return m_accepted; }
    qsizetype refused() const { return m_refused; }

private:
    void createControls();
    void connectControls();
    void showSets(const QString& text);
    void openFile();

    const lotteries::LotteryRules& m_rules;
    ui::Prompter& m_prompter;
    core::Lines m_accepted;
    qsizetype m_refused = 0;
    QListView* m_list1 = nullptr;
    QStringListModel* m_shown = nullptr;
    QLabel* m_label1 = nullptr;
};

} // namespace tickets
