// The alignment dialog: how far a card's reference marks lie from their outlines on the test sheet, and
// the calibration values that put the marks on the card. Modal over the calibration window; nothing is
// saved here.
#pragma once

#include "lotteries/lottery.h"
#include "settings/settings_file.h"

#include <QDialog>
#include <array>
#include <optional>

class QLabel;
class QLineEdit;

namespace ui {
class Prompter;
}

namespace calibration {

class AlignmentDialog final : public QDialog {
    Q_OBJECT

public:
    // printed: the calibration the test sheet was printed with, the calibration window's values.
    AlignmentDialog(lotteries::Lottery lottery, const settings::Calibration& printed, ui::Prompter& prompter,
        QWidget* parent);

    // The corrected calibration, once "補正" has closed the dialog.
    std::optional<settings::Calibration> corrected() const { return m_corrected; }

private:
    void createEntries();
    void createTexts();
    void createButtons();
    void connectControls();
    void showChange();
    void correct();

    lotteries::Lottery m_lottery;
    settings::Calibration m_printed;
    ui::Prompter& m_prompter;
    std::array<QLineEdit*, 4> m_entries {};
    QLabel* m_change = nullptr;
    std::optional<settings::Calibration> m_corrected;
};

} // namespace calibration
