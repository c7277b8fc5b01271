#include "calibration/calibration_window.h"

#include "calibration/alignment_dialog.h"
#include "calibration/calibration_boxes.h"
#include "calibration/test_sheet.h"
#include "printing/print_prompts.h"
#include "ui/app_info.h"
#include "ui/prompter.h"
#include "ui/window_layout.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using ui::TwipRect;

namespace calibration {

namespace {

constexpr int kClientWidth = 4245;
// Grown by a row under the last one for the test sheet and the alignment.
constexpr int kClientHeight = 3450;

// One row per value: its label, its box, and the "＋" above the "-" beside the box.
struct RowDesign {
    const char* label;
    TwipRect labelPlace;
    const char* box;
    TwipRect boxPlace;
    const char* up;
    TwipRect upPlace;
    const char* down;
    TwipRect downPlace;
};

constexpr RowDesign kRows[] = {
    {"Label1", {120, 240, 975, 375}, "Text1", {1320, 120, 975, 495}, "Command2", {2280, 120, 375, 255},
        "Command3", {2280, 360, 375, 255}},
    {"Label2", {240, 960, 975, 375}, "Text2", {1320, 840, 975, 495}, "Command5", {2280, 840, 375, 255},
        "Command4", {2280, 1080, 375, 255}},
    {"Label3", {120, 1680, 975, 375}, "Text3", {1320, 1560, 975, 495}, "Command7", {2280, 1560, 375, 255},
        "Command6", {2280, 1800, 375, 255}},
    {"Label4", {240, 2400, 975, 375}, "Text4", {1320, 2280, 975, 495}, "Command9", {2280, 2280, 375, 255},
        "Command8", {2280, 2520, 375, 255}},
};

// Labels take no focus and are left out.
constexpr const char* kTabOrder[] = {"Command1", "Text1", "Text2", "Text3", "Text4", "Command2", "Command3",
    "Command4", "Command5", "Command6", "Command7", "Command8", "Command9", "Command10", "Command11",
    "Combo1", "Command12", "Command13"};

// The lotteries of the test sheet, in the order Combo1 lists them.
constexpr lotteries::Lottery kLotteries[] = {lotteries::Lottery::Loto6, lotteries::Lottery::MiniLoto,
    lotteries::Lottery::Numbers4, lotteries::Lottery::Numbers3};

} // namespace

CalibrationWindow::CalibrationWindow(ui::Navigation& navigation)
    : ui::OtherWindow(navigation)
{
    ui::setUpWindow(this, "Form5", ui::calibrationTitle(), kClientWidth, kClientHeight);
    createValueRows();
    createButtons();
    ui::setTabOrder(this, kTabOrder);
    connectButtons();
}

void CalibrationWindow::createValueRows()
{
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        const RowDesign& row = kRows[i];
        ui::placeLabel(
            this, row.label, row.labelPlace, settings::valueName(settings::kCalibrationValues.at(i)))
            ->setFont(ui::proportionalFont(9.75));
        m_boxes.at(i) = ui::placeControl<QLineEdit>(this, row.box, row.boxPlace);
        m_boxes.at(i)->setFont(ui::fixedFont(14.25));
        ui::placeButton(this, row.up, row.upPlace, QStringLiteral("＋"))->setFont(ui::fixedFont(9.75, true));
        ui::placeButton(this, row.down, row.downPlace, QStringLiteral("-"))
            ->setFont(ui::fixedFont(15.75, true));
    }
}

void CalibrationWindow::createButtons()
{
    // Created in tab order: Qt 6.4 drops a button from the focus chain when it is moved behind one
    // created after it.
    m_command1 = ui::placeButton(this, "Command1", {2760, 840, 1335, 1215}, QStringLiteral("閉じる"));
    ui::placeButton(this, "Command10", {2760, 2280, 1335, 495}, QStringLiteral("初期値に戻す"));
    ui::placeButton(this, "Command11", {2760, 120, 1335, 495}, QStringLiteral("設定書込"));
    m_combo1 = ui::placeControl<QComboBox>(this, "Combo1", {120, 2895, 1575, 375});
    for (const lotteries::Lottery lottery : kLotteries)
        m_combo1->addItem(lotteries::lotteryName(lottery));
    ui::placeButton(this, "Command12", {1800, 2895, 1095, 375}, QStringLiteral("テスト印刷"));
    ui::placeButton(this, "Command13", {3000, 2895, 1095, 375}, QStringLiteral("位置合わせ..."));
}

void CalibrationWindow::connectButtons()
{
    const auto button = [this](const char* name) { return ui::buttonNamed(this, name); };
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        connect(button(kRows[i].up), &QPushButton::clicked, this, [this, i] { nudge(i, +1); });
        connect(button(kRows[i].down), &QPushButton::clicked, this, [this, i] { nudge(i, -1); });
    }
    connect(button("Command11"), &QPushButton::clicked, this, &CalibrationWindow::save);
    connect(button("Command1"), &QPushButton::clicked, this, &QWidget::close);
    connect(button("Command10"), &QPushButton::clicked, this, &CalibrationWindow::restoreDefaults);
    connect(button("Command12"), &QPushButton::clicked, this, &CalibrationWindow::printSheet);
    connect(button("Command13"), &QPushButton::clicked, this, &CalibrationWindow::align);
}

void CalibrationWindow::onLoad()
{
    m_command1->setFocus();
    const ui::Services& services = this->services();
    const core::Result<settings::StoredCalibration> read
        = settings::SettingsFile(services.dataDir).readStored();
    if (!read.ok()) {
        // Without the file there is nothing to adjust; the main window comes back.
        services.prompter.ask(this, ui::fileFailurePrompt(read.failure()));
        close();
        return;
    }
    const calibration::BoxTexts texts = calibration::openingTexts(read.value());
    for (std::size_t i = 0; i < m_boxes.size(); ++i)
        m_boxes.at(i)->setText(texts.at(i));
}

void CalibrationWindow::nudge(std::size_t box, int step)
{
    QLineEdit* edit = m_boxes.at(box);
    edit->setText(calibration::nudged(settings::kCalibrationValues.at(box), edit->text(), step));
}

calibration::BoxTexts CalibrationWindow::boxTexts() const
{
    calibration::BoxTexts texts;
    for (std::size_t i = 0; i < m_boxes.size(); ++i)
        texts.at(i) = m_boxes.at(i)->text();
    return texts;
}

void CalibrationWindow::refuseTooLarge(settings::CalibrationValue value)
{
    // An infinite value has no decimal text; the window stays so that the user can correct it.
    QLineEdit* box = m_boxes.at(static_cast<std::size_t>(value));
    services().prompter.ask(this,
        {ui::calibrationTitle(),
            QStringLiteral("「%1」の値「%2」は大きすぎて書き込めません。")
                .arg(settings::valueName(value), box->text()),
            ui::PromptIcon::Exclamation, ui::PromptButtons::Ok});
    box->setFocus();
}

void CalibrationWindow::save()
{
    const auto lines = calibration::savedLines(boxTexts());
    if (!lines.ok()) {
        refuseTooLarge(lines.failure());
        return;
    }
    writeAndClose(lines.value());
}

std::optional<settings::Calibration> CalibrationWindow::calibrationInBoxes()
{
    const auto inBoxes = calibration::boxCalibration(boxTexts());
    if (!inBoxes.ok()) {
        refuseTooLarge(inBoxes.failure());
        return std::nullopt;
    }
    return inBoxes.value();
}

// A plain sheet with the values in the boxes now, saved or not; the window stays for the next try.
void CalibrationWindow::printSheet()
{
    const std::optional<settings::Calibration> inBoxes = calibrationInBoxes();
    if (!inBoxes)
        return;
    const ui::Services& services = this->services();
    const auto lottery = kLotteries[m_combo1->currentIndex()];
    if (const auto done = calibration::printTestSheet(
            lottery, *inBoxes, services.dataDir, services.printers, services.clock.today());
        !done.ok())
        services.prompter.ask(this, printing::printFailurePrompt(done.failure(), windowTitle()));
}

// The corrected values go into the boxes; "設定書込" saves them, "閉じる" drops them.
void CalibrationWindow::align()
{
    const std::optional<settings::Calibration> inBoxes = calibrationInBoxes();
    if (!inBoxes)
        return;
    AlignmentDialog dialog(kLotteries[m_combo1->currentIndex()], *inBoxes, services().prompter, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.corrected())
        return;
    const calibration::BoxTexts texts = calibration::openingTexts({*dialog.corrected(), {}});
    for (std::size_t i = 0; i < m_boxes.size(); ++i)
        m_boxes.at(i)->setText(texts.at(i));
}

void CalibrationWindow::restoreDefaults()
{
    writeAndClose(settings::defaultValueLines());
}

void CalibrationWindow::writeAndClose(const settings::ValueLines& lines)
{
    const ui::Services& services = this->services();
    if (const auto done = settings::SettingsFile(services.dataDir).writeValues(lines); !done.ok()) {
        // The window stays with the edits in the boxes, so that nothing typed is lost.
        services.prompter.ask(this, ui::fileFailurePrompt(done.failure()));
        return;
    }
    close();
}

} // namespace calibration
