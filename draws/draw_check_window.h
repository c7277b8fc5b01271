// The draw check: which set of a print file won what against a draw typed in or kept, and which sets
// the terminal would refuse. Nothing here writes a print file; typed and loaded draws are kept in the
// lottery's draw file.
#pragma once

#include "lotteries/draw.h"
#include "ui/other_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace draws {

class CheckTableModel;

class DrawCheckWindow final : public ui::OtherWindow {
    Q_OBJECT

public:
    explicit DrawCheckWindow(ui::Navigation& navigation);

protected:
    void onLoad() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createDrawControls();
    void createTable();
    void createRangeControls();
    void createButtons();
    void connectControls();

    const lotteries::LotteryRules& rules() const;
    // The draw typed in, or nothing after telling the user why it is refused.
    std::optional<lotteries::Draw> typedDraw();
    void checkTyped();
    void checkRange();
    void check(const QList<lotteries::Draw>& draws);
    void keepTyped();
    void loadResults(const QString& text);
    void openResults();
    void copyRows();
    void showFailure(const core::FileFailure& failure);
    void refuse(const QString& text);

    QComboBox* m_combo1 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QTableView* m_grid1 = nullptr;
    QLabel* m_label3 = nullptr;
    QLineEdit* m_text2 = nullptr;
    QLineEdit* m_text3 = nullptr;
    CheckTableModel* m_table = nullptr;
};

} // namespace draws
