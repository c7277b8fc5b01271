// The quick prediction window: one press writes fresh sets for all four lotteries into their print
// files, then the main window comes back.
#pragma once

#include "ui/other_window.h"

class QCheckBox;
class QRadioButton;

namespace quick {

class QuickWindow final : public ui::OtherWindow {
    Q_OBJECT

public:
    explicit QuickWindow(ui::Navigation& navigation);

protected:
    void onLoad() override;

private:
    void writePredictions();

    QCheckBox* m_check1 = nullptr;
    QCheckBox* m_check2 = nullptr;
    QRadioButton* m_option1 = nullptr;
    QRadioButton* m_option2 = nullptr;
    QRadioButton* m_option3 = nullptr;
};

} // namespace quick
