#include "calibration/alignment_dialog.h"

#include "calibration/alignment.h"
#include "ui/prompter.h"
#include "ui/window_layout.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <variant>

namespace calibration {

namespace {

constexpr int kClientWidth = 4800;
constexpr int kClientHeight = 3015;

struct EntryDesign {
    const char* label;
    const char* box;
    const char16_t* caption;
    int top;
};

// In tab order: the first mark across and down, then the second.
constexpr EntryDesign kEntries[] = {
    {"Label1", "Text1", u"R1 横 (mm)", 120},
    {"Label2", "Text2", u"R1 縦 (mm)", 540},
    {"Label3", "Text3", u"R2 横 (mm)", 960},
    {"Label4", "Text4", u"R2 縦 (mm)", 1380},
};

QString titleText()
{
    return QStringLiteral("位置合わせ");
}

// The offsets the entries hold, or the first entry that holds no number.
core::Result<calibration::MeasuredOffsets, std::size_t> offsetsOf(const std::array<QLineEdit*, 4>& entries)
{
    std::array<double, 4> lengths {};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::optional<double> length = calibration::typedMillimetres(entries.at(i)->text());
        if (!length)
            return i;
        lengths.at(i) = *length;
    }
    return calibration::MeasuredOffsets {lengths[0], lengths[1], lengths[2], lengths[3]};
}

} // namespace

AlignmentDialog::AlignmentDialog(
    lotteries::Lottery lottery, const settings::Calibration& printed, ui::Prompter& prompter, QWidget* parent)
    : QDialog(parent)
    , m_lottery(lottery)
    , m_printed(printed)
    , m_prompter(prompter)
{
    ui::setUpWindow(this, "frmAlign", titleText(), kClientWidth, kClientHeight, ui::Sizing::Fixed);
    setModal(true);
    createEntries();
    createTexts();
    createButtons();
    connectControls();
    m_entries.front()->setFocus();
    showChange();
}

void AlignmentDialog::createEntries()
{
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const EntryDesign& entry = kEntries[i];
        ui::placeLabel(
            this, entry.label, {120, entry.top + 60, 1335, 255}, QString::fromUtf16(entry.caption));
        m_entries.at(i) = ui::placeControl<QLineEdit>(this, entry.box, {1560, entry.top, 1215, 375});
    }
}

void AlignmentDialog::createTexts()
{
    auto* guide = ui::placeLabel(this, "Label5", {2940, 120, 1740, 1635},
        QStringLiteral("%1のテスト印刷で、R1・R2 の枠からカードのマークまでの長さ。"
                       "＋はマークが枠より右・下にあるとき。空欄は 0。")
            .arg(lotteries::lotteryName(m_lottery)));
    guide->setWordWrap(true);
    m_change = ui::placeLabel(this, "Label6", {120, 1860, 4560, 540}, {});
    m_change->setWordWrap(true);
}

void AlignmentDialog::createButtons()
{
    auto* correct = ui::placeButton(this, "cmdCorrect", {2160, 2490, 1215, 405}, QStringLiteral("補正"));
    auto* cancel = ui::placeButton(this, "cmdCancel", {3465, 2490, 1215, 405}, QStringLiteral("キャンセル"));
    // Enter corrects from any entry; Esc and the close box leave the calibration window as it was.
    correct->setDefault(true);
    QList<QWidget*> order(m_entries.cbegin(), m_entries.cend());
    order << correct << cancel;
    ui::setTabOrder(order);
}

void AlignmentDialog::connectControls()
{
    for (QLineEdit* entry : m_entries)
        connect(entry, &QLineEdit::textChanged, this, &AlignmentDialog::showChange);
    connect(ui::buttonNamed(this, "cmdCorrect"), &QPushButton::clicked, this, &AlignmentDialog::correct);
    connect(ui::buttonNamed(this, "cmdCancel"), &QPushButton::clicked, this, &QDialog::reject);
}

// What "補正" would change, while the user types.
void AlignmentDialog::showChange()
{
    const auto offsets = offsetsOf(m_entries);
    if (!offsets.ok()) {
        m_change->setText(QStringLiteral("数ではない値があります。"));
        return;
    }
    const auto corrected = calibration::correctedCalibration(m_lottery, m_printed, offsets.value());
    if (!corrected.ok())
        m_change->setText(calibration::refusalText(corrected.failure()));
    else
        m_change->setText(calibration::correctionSummary(m_printed, corrected.value()));
}

void AlignmentDialog::correct()
{
    const auto offsets = offsetsOf(m_entries);
    if (!offsets.ok()) {
        const std::size_t entry = offsets.failure();
        QLineEdit* box = m_entries.at(entry);
        m_prompter.ask(this,
            {titleText(),
                QStringLiteral("「%1」の値「%2」は数ではありません。")
                    .arg(QString::fromUtf16(kEntries[entry].caption).section(u' ', 0, 1), box->text()),
                ui::PromptIcon::Exclamation, ui::PromptButtons::Ok});
        box->setFocus();
        return;
    }
    const auto corrected = calibration::correctedCalibration(m_lottery, m_printed, offsets.value());
    if (!corrected.ok()) {
        m_prompter.ask(this,
            {titleText(), calibration::refusalText(corrected.failure()), ui::PromptIcon::Exclamation,
                ui::PromptButtons::Ok});
        return;
    }
    m_corrected = corrected.value();
    accept();
}

} // namespace calibration
