#include "tickets/add_sets_dialog.h"

#include "core/shift_jis.h"
#include "tickets/pasted_sets.h"
#include "ui/prompter.h"
#include "ui/window_layout.h"

#include <QFileDialog>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>

namespace tickets {

namespace {

constexpr int kClientWidth = 7200;
constexpr int kClientHeight = 5400;

} // namespace

AddSetsDialog::AddSetsDialog(
    const lotteries::LotteryRules& rules, const QString& text, ui::Prompter& prompter, QWidget* parent)
    : QDialog(parent)
    , m_rules(rules)
    , m_prompter(prompter)
{
    ui::setUpWindow(this, "frmAddSets", QStringLiteral("まとめて追加"), kClientWidth, kClientHeight);
    setModal(true);
    createControls();
    connectControls();
    showSets(text);
}

void AddSetsDialog::createControls()
{
    m_label1 = ui::placeLabel(this, "Label1", {120, 120, 6960, 255}, {});
    m_shown = new QStringListModel(this);
    m_list1 = ui::placeControl<QListView>(this, "List1", {120, 480, 6960, 4200});
    m_list1->setModel(m_shown);
    m_list1->setUniformItemSizes(true);
    m_list1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list1->setFont(ui::fixedFont(9.75));
    auto* file = ui::placeButton(this, "cmdFile", {120, 4800, 1935, 435}, QStringLiteral("ファイルから..."));
    auto* add = ui::placeButton(this, "cmdAdd", {4440, 4800, 1215, 435}, QStringLiteral("追加"));
    auto* cancel = ui::placeButton(this, "cmdCancel", {5865, 4800, 1215, 435}, QStringLiteral("キャンセル"));
    file->setAutoDefault(false);
    // Enter adds from anywhere in the dialog; Esc and the close box add nothing.
    add->setDefault(true);
    ui::setTabOrder({m_list1, file, add, cancel});
}

void AddSetsDialog::connectControls()
{
    connect(ui::buttonNamed(this, "cmdFile"), &QPushButton::clicked, this, &AddSetsDialog::openFile);
    connect(ui::buttonNamed(this, "cmdAdd"), &QPushButton::clicked, this, &QDialog::accept);
    connect(ui::buttonNamed(this, "cmdCancel"), &QPushButton::clicked, this, &QDialog::reject);
}

void AddSetsDialog::showSets(const QString& text)
{
    const QList<PastedLine> lines = readPastedSets(m_rules, text);
    m_accepted.clear();
    m_refused = 0;
    QStringList shown;
    shown.reserve(lines.size());
    for (const PastedLine& line : lines) {
        if (line.stored) {
            m_accepted.append(*line.stored);
            shown.append(QStringLiteral("%1 行目　%2　→ %3")
                             .arg(line.line)
                             .arg(line.text, QString::fromLatin1(*line.stored)));
        } else {
            ++m_refused;
            shown.append(QStringLiteral("%1 行目　%2　× %3").arg(line.line).arg(line.text, line.reason));
        }
    }
    m_shown->setStringList(shown);
    m_label1->setText(
        QStringLiteral("追加する行 %1　追加できない行 %2").arg(m_accepted.size()).arg(m_refused));
    ui::buttonNamed(this, "cmdAdd")->setEnabled(!m_accepted.isEmpty());
}

void AddSetsDialog::openFile()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("セットのファイル"), {},
        QStringLiteral("テキスト (*.txt *.csv *.tsv);;すべてのファイル (*)"));
    if (path.isEmpty())
        return;
    const core::Result<QString> text = core::readTextFile(path);
    if (!text.ok()) {
        m_prompter.ask(this, ui::fileFailurePrompt(text.failure()));
        return;
    }
    showSets(text.value());
}

} // namespace tickets
