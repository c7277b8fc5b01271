#include "tickets/card_window.h"

#include "core/shift_jis.h"
#include "printing/preview_window.h"
#include "printing/print_prompts.h"
#include "printing/print_run.h"
#include "tickets/add_sets_dialog.h"
#include "tickets/entry.h"
#include "tickets/ticket_list_model.h"
#include "ui/prompter.h"
#include "ui/window_layout.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleHints>
#include <array>

namespace tickets {

using ui::TwipRect;

struct CardWindowDesign {
    lotteries::Lottery lottery;
    const char* formName;
    const char16_t* caption;
    const char16_t* listCaption;
    const char16_t* printCaption;
    int clientWidth;
    int clientHeight;
    TwipRect label2;
    TwipRect list1;
    TwipRect label1;
    TwipRect text1;
    TwipRect command4;
    TwipRect command3;
    TwipRect command2;
    TwipRect command1;
    // The preview button, under the close button with the gap the print-start button leaves above it;
    // the window grows by as much.
    TwipRect command5;
    qreal listPoints;
    qreal entryPoints;
    qreal listCaptionPoints;
    // The controls' names, first in the tab order first; the labels take no focus.
    std::array<const char*, 7> tabOrder;
};

namespace {

constexpr auto kEntryCaption = u"印刷登録番号";
constexpr auto kRegisterCaption = u"印　刷　登　録";
constexpr auto kClearCaption = u"印刷ファイルのクリア";
constexpr auto kCloseCaption = u"閉じる";
constexpr auto kPreviewCaption = u"プレビュー";
constexpr auto kAddSetsCaption = u"まとめて追加...";
constexpr auto kPrintSelectionCaption = u"選択したセットを印刷";
// Between the buttons added under the preview button, as between the buttons above it.
constexpr int kButtonGap = 120;

// A button as wide and high as the one above it, under it.
TwipRect below(const TwipRect& above)
{
    return {above.left, above.top + above.height + kButtonGap, above.width, above.height};
}

constexpr CardWindowDesign kLoto6 {
    lotteries::Lottery::Loto6,
    "Form7",
    u"ＬＯＴＯ６カード印刷",
    u"印　刷　選　択　番　号",
    u"ＬＯＴＯ６カード印刷スタート",
    4800,
    6600,
    {240, 120, 3615, 375},
    {240, 480, 4335, 3210},
    {240, 3840, 1095, 255},
    {240, 4080, 1935, 375},
    {2520, 4080, 2055, 1095},
    {240, 4680, 2055, 495},
    {240, 5280, 4335, 495},
    {240, 5880, 4335, 615},
    {240, 6600, 4335, 495},
    15.75,
    14.25,
    14.25,
    {"Text1", "Command4", "Command3", "Command2", "Command5", "Command1", "List1"},
};

constexpr CardWindowDesign kMiniLoto {
    lotteries::Lottery::MiniLoto,
    "Form2",
    u"ＭＩＮＩＬＯＴＯカード印刷",
    u"印　刷　選　択　番　号",
    u"ＭＩＮＩＬＯＴＯカード印刷スタート",
    4320,
    6540,
    {480, 0, 3615, 375},
    {240, 360, 3855, 3210},
    {600, 3720, 1575, 375},
    {360, 3960, 1815, 495},
    {2520, 3960, 1575, 1095},
    {240, 4560, 2055, 495},
    {240, 5160, 3855, 615},
    {240, 5880, 3855, 615},
    {240, 6600, 3855, 495},
    15.75,
    15.75,
    14.25,
    {"Text1", "Command4", "Command3", "Command2", "Command5", "Command1", "List1"},
};

constexpr CardWindowDesign kNumbers4 {
    lotteries::Lottery::Numbers4,
    "Form3",
    u"Ｎｕｍｂｅｒｓ４カード印刷",
    u"印刷選択番号",
    u"Numbers４カード印刷スタート",
    5370,
    3750,
    {240, 120, 1695, 255},
    {0, 360, 2775, 3210},
    {2880, 480, 1095, 255},
    {3000, 840, 855, 375},
    {3960, 360, 1335, 1095},
    {2880, 1560, 2415, 495},
    {2880, 2280, 2415, 495},
    {2880, 3000, 2415, 615},
    {2880, 3840, 2415, 495},
    15.75,
    14.25,
    11.25,
    {"Text1", "Command4", "Command3", "Command2", "Command5", "List1", "Command1"},
};

constexpr CardWindowDesign kNumbers3 {
    lotteries::Lottery::Numbers3,
    "Form4",
    u"Ｎｕｍｂｅｒｓ３カード印刷",
    u"印刷選択番号",
    u"Numbers３カード印刷スタート",
    5025,
    3615,
    {240, 0, 1695, 255},
    {0, 240, 2415, 3210},
    {2520, 360, 1095, 255},
    {2640, 840, 735, 375},
    {3600, 240, 1335, 1095},
    {2520, 1440, 2415, 495},
    {2520, 2160, 2415, 495},
    {2520, 2880, 2415, 615},
    {2520, 3720, 2415, 495},
    15.75,
    14.25,
    11.25,
    {"Text1", "Command1", "List1", "Command2", "Command5", "Command3", "Command4"},
};

ui::Prompt refusalPrompt()
{
    return {QStringLiteral("番号が不正です"), QStringLiteral("登録できません"), ui::PromptIcon::Critical,
        ui::PromptButtons::Ok};
}

ui::Prompt deletePrompt(const QString& entry)
{
    // CR between the two sentences, as the question has always been worded; then the entry as the list
    // shows it, on a line of its own, so that the answer is given knowing which entry it deletes.
    return {QStringLiteral("データ削除"),
        QStringLiteral("選択のデータを削除します。\rよろしいですか？！！\r") + entry,
        ui::PromptIcon::Exclamation, ui::PromptButtons::YesNo};
}

ui::Prompt goneEntryPrompt()
{
    return {QStringLiteral("データ削除"),
        QStringLiteral("選択のデータは印刷ファイルにもうありません。何も削除しませんでした。\n"
                       "印刷ファイルを読み直して一覧を表示します。"),
        ui::PromptIcon::Exclamation, ui::PromptButtons::Ok};
}

ui::Prompt deleteSeveralPrompt(qsizetype count)
{
    return {QStringLiteral("データ削除"),
        QStringLiteral("選択の %1 件のデータを削除します。\rよろしいですか？！！").arg(count),
        ui::PromptIcon::Exclamation, ui::PromptButtons::YesNo};
}

ui::Prompt missingPrompt(const QString& title, qsizetype missing, const QString& outcome)
{
    return {title,
        QStringLiteral("選択のうち %1 件は印刷ファイルにもうありません。%2").arg(missing).arg(outcome),
        ui::PromptIcon::Exclamation, ui::PromptButtons::Ok};
}

QString text(const char16_t* utf16)
{
    return QString::fromUtf16(utf16);
}

} // namespace

CardWindow::CardWindow(const CardWindowDesign& design, ui::Navigation& navigation)
    : ui::OtherWindow(navigation)
    , m_rules(lotteries::rulesOf(design.lottery))
    , m_printFile(m_rules, navigation.services().dataDir)
{
    buildUi(design);
}

void CardWindow::buildUi(const CardWindowDesign& design)
{
    // Grown under the preview button and the two buttons under it, by the margin the window had under its
    // close button.
    const int bottomMargin = design.clientHeight - (design.command1.top + design.command1.height);
    const TwipRect command6Place = below(design.command5);
    const TwipRect command7Place = below(command6Place);
    ui::setUpWindow(this, design.formName, text(design.caption), design.clientWidth,
        command7Place.top + command7Place.height + bottomMargin);
    takeDroppedText([this](const QString& text) { addSets(text); });

    auto* label2 = ui::placeLabel(this, "Label2", design.label2, text(design.listCaption));
    label2->setFont(ui::fixedFont(design.listCaptionPoints));
    m_list1 = ui::placeControl<QListView>(this, "List1", design.list1);
    m_list1->setFont(ui::fixedFont(design.listPoints));
    // Ctrl+click, Shift+click and Ctrl+A pick several sets; a plain click still picks one.
    m_list1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list1->setUniformItemSizes(true);
    // A double click deletes; the lines are never edited in place.
    m_list1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lines = new TicketListModel(m_rules, this);
    m_list1->setModel(m_lines);
    ui::placeLabel(this, "Label1", design.label1, text(kEntryCaption));
    m_text1 = ui::placeControl<QLineEdit>(this, "Text1", design.text1);
    m_text1->setFont(ui::fixedFont(design.entryPoints));
    auto* command4 = ui::placeButton(this, "Command4", design.command4, text(kRegisterCaption));
    auto* command3 = ui::placeButton(this, "Command3", design.command3, text(kClearCaption));
    auto* command2 = ui::placeButton(this, "Command2", design.command2, text(design.printCaption));
    // Created before the close button, after which it comes in the tab order: Qt 6.4 drops a button
    // from the focus chain when it is moved behind one created after it.
    auto* command5 = ui::placeButton(this, "Command5", design.command5, text(kPreviewCaption));
    auto* command1 = ui::placeButton(this, "Command1", design.command1, text(kCloseCaption));
    // Added after every button the window has always had, so that they follow them in the tab order.
    auto* command6 = ui::placeButton(this, "Command6", command6Place, text(kAddSetsCaption));
    m_command7 = ui::placeButton(this, "Command7", command7Place, text(kPrintSelectionCaption));
    m_command7->setEnabled(false);

    ui::setTabOrder(this, design.tabOrder);
    ui::setTabOrder({findChild<QWidget*>(QString::fromLatin1(design.tabOrder.back())), command6, m_command7});

    connect(command4, &QPushButton::clicked, this, &CardWindow::registerEntry);
    // The list's double click deletes the selected entry, wherever in the list it lands: on a line or
    // below the last one.
    m_list1->viewport()->installEventFilter(this);
    connect(command3, &QPushButton::clicked, this, &CardWindow::clearPrintFile);
    connect(command2, &QPushButton::clicked, this, &CardWindow::startPrintRun);
    connect(command1, &QPushButton::clicked, this, &QWidget::close);
    connect(command5, &QPushButton::clicked, this, &CardWindow::showPreview);
    connect(command6, &QPushButton::clicked, this, [this] { addSets(QGuiApplication::clipboard()->text()); });
    connect(m_command7, &QPushButton::clicked, this, &CardWindow::printSelection);
    // Ctrl+V, Ctrl+C and Delete while the list has the focus; in the entry box Ctrl+V pastes into the box.
    m_list1->installEventFilter(this);
    const auto pickedChanged = [this] { m_command7->setEnabled(m_list1->selectionModel()->hasSelection()); };
    connect(m_list1->selectionModel(), &QItemSelectionModel::selectionChanged, this, pickedChanged);
    connect(m_lines, &QAbstractItemModel::modelReset, this, pickedChanged);
}

void CardWindow::onLoad()
{
    m_text1->clear();
    m_text1->setFocus();
    if (const auto done = m_printFile.createIfMissing(); !done.ok()) {
        m_lines->clear();
        showFailure(done.failure());
        return;
    }
    showList();
}

void CardWindow::registerEntry()
{
    const QString entry = m_text1->text().trimmed();
    m_text1->setText(entry);
    const std::optional<QByteArray> line = acceptEntry(m_rules, entry);
    if (!line) {
        services().prompter.ask(this, refusalPrompt());
        return;
    }
    m_text1->setText(QString::fromLatin1(*line));
    // After a failure the entry stays in the box so that nothing typed is lost.
    if (const auto done = m_printFile.append({*line}); !done.ok())
        showFailure(done.failure());
    else
        m_text1->clear();
    showList();
}

bool CardWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Paste)) {
            addSets(QGuiApplication::clipboard()->text());
            return true;
        }
        if (key->matches(QKeySequence::Copy)) {
            copySelected();
            return true;
        }
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            deleteSeveral();
            return true;
        }
        return false;
    }
    if (watched != m_list1->viewport())
        return ui::OtherWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint:
        m_staleClick.drawn();
        return false;
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && m_staleClick.mayDelete())
            deleteSelected();
        return true;
    case QEvent::MouseButtonPress:
        m_staleClick.pressed(static_cast<QMouseEvent*>(event)->timestamp(),
            static_cast<quint64>(QGuiApplication::styleHints()->mouseDoubleClickInterval()));
        [[fallthrough]];
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        // Below the last line the mouse leaves the selection as it is, so that the first click of a
        // double click there does not take away the entry the double click is to delete.
        return !m_list1->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint()).isValid();
    default:
        return false;
    }
}

void CardWindow::deleteSelected()
{
    // A double click below the last line deletes the selected entry only when it is the only one.
    const QModelIndexList selected = m_list1->selectionModel()->selectedIndexes();
    if (selected.size() != 1)
        return;
    // The entry is known by its line's text, not its row: the file may have changed since it was listed.
    const QByteArray line = m_lines->line(selected.first().row());
    if (services().prompter.ask(this, deletePrompt(selected.first().data().toString()))
        != ui::PromptAnswer::Yes)
        return;
    const core::Result<bool> removed = m_printFile.remove(line);
    if (!removed.ok())
        showFailure(removed.failure());
    else if (!removed.value())
        services().prompter.ask(this, goneEntryPrompt());
    showList();
}

void CardWindow::deleteSeveral()
{
    const core::Lines lines = selectedLines();
    if (lines.size() < 2) {
        deleteSelected();
        return;
    }
    if (services().prompter.ask(this, deleteSeveralPrompt(lines.size())) != ui::PromptAnswer::Yes)
        return;
    // Each entry is known by its line's text, in the file as it is now.
    const core::Result<qsizetype> removed = m_printFile.removeEach(lines);
    if (!removed.ok())
        showFailure(removed.failure());
    else if (removed.value() < lines.size())
        services().prompter.ask(this,
            missingPrompt(QStringLiteral("データ削除"), lines.size() - removed.value(),
                QStringLiteral("その分は削除しませんでした。")));
    showList();
}

core::Lines CardWindow::selectedLines() const
{
    core::Lines lines;
    // By ranges, not index by index: a million lines picked with Ctrl+A copy within a second or two.
    QItemSelection selection = m_list1->selectionModel()->selection();
    std::sort(selection.begin(), selection.end(),
        [](const QItemSelectionRange& a, const QItemSelectionRange& b) { return a.top() < b.top(); });
    for (const QItemSelectionRange& range : selection) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            lines.append(m_lines->line(row));
    }
    return lines;
}

void CardWindow::copySelected()
{
    const core::Lines lines = selectedLines();
    if (lines.isEmpty())
        return;
    QByteArray text;
    for (const QByteArray& line : lines)
        text += line + '\n';
    // Lines the program did not write are kept as Shift_JIS; the clipboard takes them as text.
    QGuiApplication::clipboard()->setText(core::textOf(text));
}

void CardWindow::addSets(const QString& text)
{
    AddSetsDialog dialog(m_rules, text, services().prompter, this);
    if (dialog.exec() != QDialog::Accepted || dialog.accepted().isEmpty())
        return;
    const core::Result<void> added = m_printFile.append(dialog.accepted());
    showList();
    if (!added.ok()) {
        showFailure(added.failure());
        return;
    }
    services().prompter.ask(this,
        {QStringLiteral("まとめて追加"),
            QStringLiteral("%1 件を追加しました。追加できない行は %2 件でした。")
                .arg(dialog.accepted().size())
                .arg(dialog.refused()),
            ui::PromptIcon::Information, ui::PromptButtons::Ok});
}

void CardWindow::printSelection()
{
    const core::Result<core::Lines> now = m_printFile.lines();
    if (!now.ok()) {
        showFailure(now.failure());
        return;
    }
    // The sets as the file holds them at this moment: one changed meanwhile is not printed as it was.
    const lotteries::Picked picked = lotteries::pickLines(now.value(), selectedLines());
    if (picked.missing > 0) {
        services().prompter.ask(
            this, missingPrompt(windowTitle(), picked.missing, QStringLiteral("その分は印刷しません。")));
    }
    if (picked.lines.isEmpty())
        return;
    const ui::Services& services = this->services();
    const core::Result<void, printing::PrintFailure> printed
        = printing::printLines(m_rules.lottery, picked.lines, services.dataDir, services.printers);
    if (printed.ok()) {
        close();
        return;
    }
    showPrintFailure(printed.failure());
}

void CardWindow::changeEvent(QEvent* event)
{
    ui::OtherWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        showListIfChanged();
}

void CardWindow::clearPrintFile()
{
    m_lines->clear();
    if (const auto done = m_printFile.clear(); !done.ok())
        showFailure(done.failure());
    showList();
}

void CardWindow::startPrintRun()
{
    const ui::Services& services = this->services();
    const core::Result<void, printing::PrintFailure> printed
        = printing::printCards(m_printFile, services.dataDir, services.printers);
    if (printed.ok()) {
        // A good run ends as the close button does; the print file stays as it was.
        close();
        return;
    }
    // After a failure the window stays, so that the user can put things right and print again.
    showPrintFailure(printed.failure());
}

void CardWindow::showPreview()
{
    const ui::Services& services = this->services();
    core::Result<printing::CardPreview, printing::PrintFailure> preview
        = printing::previewCards(m_printFile, services.dataDir, services.printers);
    if (!preview.ok()) {
        showPrintFailure(preview.failure());
        return;
    }
    printing::PreviewWindow dialog(std::move(preview).value(), windowTitle(), this);
    // Printing from the preview is the print-start button's own print run, nothing else.
    if (dialog.exec() == printing::PreviewWindow::kPrint)
        startPrintRun();
}

void CardWindow::showPrintFailure(const printing::PrintFailure& failure)
{
    services().prompter.ask(this, printing::printFailurePrompt(failure, windowTitle()));
}

void CardWindow::showList()
{
    if (const auto done = m_lines->read(m_printFile.path()); !done.ok())
        showFailure(done.failure());
}

void CardWindow::showListIfChanged()
{
    // The rows picked, with their lines as they were listed.
    QList<std::pair<int, QByteArray>> picked;
    for (const QItemSelectionRange& range : m_list1->selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            picked.append({row, m_lines->line(row)});
    }
    // Read every time, not only when the file's size or times changed: a rewrite of the same size within
    // one tick of the file system's clock keeps both.
    const core::Result<bool> changed = m_lines->readAgain(m_printFile.path());
    // Unchanged, the list keeps its selection; a file that failed to read is not named again each time
    // the window comes back from the message that named it.
    if (changed.ok() && !changed.value())
        return;
    m_staleClick.listedAgain();
    if (!changed.ok()) {
        showFailure(changed.failure());
        return;
    }
    // Each entry still on its row is selected again, without making it the current line, which would
    // scroll the list to it.
    QItemSelection again;
    for (const auto& [row, line] : picked) {
        if (row < m_lines->rowCount() && m_lines->line(row) == line)
            again.select(m_lines->index(row), m_lines->index(row));
    }
    m_list1->selectionModel()->select(again, QItemSelectionModel::ClearAndSelect);
}

void CardWindow::showFailure(const core::FileFailure& failure)
{
    services().prompter.ask(this, ui::fileFailurePrompt(failure));
}

CardWindow* createCardWindow(lotteries::Lottery lottery, ui::Navigation& navigation)
{
    switch (lottery) {
    case lotteries::Lottery::Loto6:
        return new CardWindow(kLoto6, navigation);
    case lotteries::Lottery::MiniLoto:
        return new CardWindow(kMiniLoto, navigation);
    case lotteries::Lottery::Numbers4:
        return new CardWindow(kNumbers4, navigation);
    case lotteries::Lottery::Numbers3:
        return new CardWindow(kNumbers3, navigation);
    }
    return nullptr;
}

} // namespace tickets
