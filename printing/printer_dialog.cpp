#include "printing/printer_dialog.h"

#include "settings/program_settings.h"
#include "ui/app_info.h"
#include "ui/prompter.h"
#include "ui/services.h"
#include "ui/window_layout.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

namespace printing {

namespace {

constexpr int kClientWidth = 6600;
constexpr int kClientHeight = 3840;
constexpr int kDetailTop = 1935;
constexpr int kDetailHeight = 270;
constexpr const char* kDetailLabels[] = {"Label2", "Label3", "Label4", "Label5"};

} // namespace

PrinterDialog::PrinterDialog(const ui::Services& services, const QString& chosen, QWidget* parent)
    : QDialog(parent)
    , m_services(services)
    , m_chosen(chosen)
    , m_entries(printing::printerEntries(services.printers.names(), chosen))
{
    ui::setUpWindow(
        this, "frmPrinter", ui::printerSetupTitle(), kClientWidth, kClientHeight, ui::Sizing::Fixed);
    setModal(true);
    createList();
    createDetails();
    createButtons();
    showChosen();
    connectControls();
}

void PrinterDialog::createList()
{
    ui::placeLabel(this, "Label1", {120, 120, 6360, 255}, QStringLiteral("カードを印刷するプリンタ"));
    m_list1 = ui::placeControl<QListWidget>(this, "List1", {120, 405, 6360, 1410});
    for (const printing::PrinterEntry& entry : m_entries)
        m_list1->addItem(entry.caption);
}

void PrinterDialog::createDetails()
{
    int top = kDetailTop;
    for (const char* name : kDetailLabels) {
        m_details.append(ui::placeLabel(this, name, {120, top, 6360, kDetailHeight}, {}));
        top += kDetailHeight;
    }
}

void PrinterDialog::createButtons()
{
    auto* ok = ui::placeButton(this, "cmdOK", {3900, 3300, 1215, 405}, QStringLiteral("OK"));
    auto* cancel = ui::placeButton(this, "cmdCancel", {5265, 3300, 1215, 405}, QStringLiteral("キャンセル"));
    // Enter keeps the choice from anywhere in the dialog; Esc and the close box leave the old one.
    ok->setDefault(true);
    ui::setTabOrder({m_list1, ok, cancel});
}

void PrinterDialog::showChosen()
{
    const auto inUse = std::find_if(m_entries.cbegin(), m_entries.cend(),
        [this](const printing::PrinterEntry& entry) { return entry.name == m_chosen; });
    m_list1->setCurrentRow(static_cast<int>(inUse - m_entries.cbegin()));
    m_list1->setFocus();
    showDetails();
}

void PrinterDialog::connectControls()
{
    connect(m_list1, &QListWidget::currentRowChanged, this, &PrinterDialog::showDetails);
    connect(ui::buttonNamed(this, "cmdOK"), &QPushButton::clicked, this, &PrinterDialog::keepChoice);
    connect(ui::buttonNamed(this, "cmdCancel"), &QPushButton::clicked, this, &QDialog::reject);
}

void PrinterDialog::showDetails()
{
    const int row = m_list1->currentRow();
    const QStringList lines
        = row < 0 ? QStringList() : printing::printerDetails(m_entries.at(row).name, m_services.printers);
    for (qsizetype i = 0; i < m_details.size(); ++i)
        m_details.at(i)->setText(lines.value(i));
}

void PrinterDialog::keepChoice()
{
    const int row = m_list1->currentRow();
    const QString name = row < 0 ? m_chosen : m_entries.at(row).name;
    // A choice that cannot be kept leaves the old one; the dialog stays so that the user can cancel.
    if (const auto done = settings::saveChosenPrinter(m_services.dataDir, name); !done.ok()) {
        m_services.prompter.ask(this, ui::fileFailurePrompt(done.failure()));
        return;
    }
    accept();
}

void setUpPrinter(const ui::Services& services, QWidget* parent)
{
    const core::Result<QString> chosen = settings::readChosenPrinter(services.dataDir);
    if (!chosen.ok()) {
        services.prompter.ask(parent, ui::fileFailurePrompt(chosen.failure()));
        return;
    }
    PrinterDialog dialog(services, chosen.value(), parent);
    dialog.exec();
}

} // namespace printing
