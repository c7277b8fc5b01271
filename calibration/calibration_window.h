// The calibration window: the four values that place the marks, typed or nudged one twip at a time,
// then saved, reset to the defaults, or left as they were.
#pragma once

#include "calibration/calibration_boxes.h"
#include "ui/other_window.h"

#include <array>
#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace calibration {

class CalibrationWindow final : public ui::OtherWindow {
    Q_OBJECT

public:
    explicit CalibrationWindow(ui::Navigation& navigation);

protected:
    void onLoad() override;

private:
    void createValueRows();
    void createButtons();
    void connectButtons();
    void nudge(std::size_t box, int step);
    void save();
    void restoreDefaults();
    void writeAndClose(const settings::ValueLines& lines);
    void printSheet();
    void align();
    calibration::BoxTexts boxTexts() const;
    // The calibration the boxes hold, or nothing after telling the user which box cannot be written.
    std::optional<settings::Calibration> calibrationInBoxes();
    void refuseTooLarge(settings::CalibrationValue value);

    // Text1 to Text4: horizontal start, horizontal step, vertical start, vertical step.
    std::array<QLineEdit*, 4> m_boxes {};
    QPushButton* m_command1 = nullptr;
    QComboBox* m_combo1 = nullptr;
};

} // namespace calibration
