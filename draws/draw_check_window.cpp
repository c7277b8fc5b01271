#include "draws/draw_check_window.h"

#include "draws/check_table.h"
#include "draws/results.h"
#include "lotteries/draw_file.h"
#include "lotteries/print_file.h"
#include "ui/prompter.h"
#include "ui/window_layout.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <limits>

namespace draws {

namespace {

constexpr int kClientWidth = 9000;
constexpr int kClientHeight = 7560;

// The lotteries in the order the chooser lists them.
constexpr lotteries::Lottery kLotteries[] = {lotteries::Lottery::Loto6, lotteries::Lottery::MiniLoto,
    lotteries::Lottery::Numbers4, lotteries::Lottery::Numbers3};

// The chooser, the draw, "照合" and the table first: what a check needs, in the order it is done.
constexpr const char* kTabOrder[] = {"Combo1", "Text1", "Command1", "Grid1", "Text2", "Text3", "Command2",
    "Command3", "Command4", "Command5", "Command6"};

// A range checked draw by draw in the background of a progress bar from this many draws on.
constexpr qsizetype kDrawsWithProgress = 20;

QString titleText()
{
    return QStringLiteral("当せん確認");
}

// Shows what a results table holds before anything is kept; true when the user keeps it.
bool confirmResults(QWidget* parent, const QString& report, bool anyDraw)
{
    QDialog dialog(parent);
    ui::setUpWindow(&dialog, "frmResults", QStringLiteral("当せん番号の読み込み"), 7200, 5400);
    dialog.setModal(true);
    auto* text = new QPlainTextEdit(report, &dialog);
    text->setObjectName(QStringLiteral("Text1"));
    text->setReadOnly(true);
    auto* buttons = new QDialogButtonBox(&dialog);
    auto* keep = buttons->addButton(QStringLiteral("保存"), QDialogButtonBox::AcceptRole);
    keep->setObjectName(QStringLiteral("cmdKeep"));
    keep->setEnabled(anyDraw);
    // Enter keeps what was understood; Esc and the close box keep nothing.
    keep->setDefault(anyDraw);
    buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cmdCancel"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

DrawCheckWindow::DrawCheckWindow(ui::Navigation& navigation)
    : ui::OtherWindow(navigation)
{
    ui::setUpWindow(this, "frmDrawCheck", titleText(), kClientWidth, kClientHeight);
    takeDroppedText([this](const QString& text) { loadResults(text); });
    createDrawControls();
    createTable();
    createRangeControls();
    createButtons();
    ui::setTabOrder(this, kTabOrder);
    connectControls();
}

void DrawCheckWindow::createDrawControls()
{
    ui::placeLabel(this, "Label1", {120, 120, 1800, 255}, QStringLiteral("くじ"));
    m_combo1 = ui::placeControl<QComboBox>(this, "Combo1", {120, 390, 1800, 375});
    for (const lotteries::Lottery lottery : kLotteries)
        m_combo1->addItem(lotteries::lotteryName(lottery));
    ui::placeLabel(this, "Label2", {2040, 120, 5400, 255},
        QStringLiteral("当せん番号（回号・日付は省略可。本数字、ボーナス数字の順）"));
    m_text1 = ui::placeControl<QLineEdit>(this, "Text1", {2040, 390, 5400, 375});
    m_text1->setFont(ui::fixedFont(11.25));
    ui::placeButton(this, "Command1", {7560, 360, 1320, 435}, QStringLiteral("照合"));
}

void DrawCheckWindow::createTable()
{
    m_table = new CheckTableModel(this);
    m_grid1 = ui::placeControl<QTableView>(this, "Grid1", {120, 960, 8760, 4680});
    m_grid1->setModel(m_table);
    m_grid1->setFont(ui::fixedFont(9.75));
    m_grid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid1->verticalHeader()->hide();
    // Every row is as high as the first: the table never measures rows it does not show.
    m_grid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid1->horizontalHeader()->setStretchLastSection(true);
    m_grid1->installEventFilter(this);
    m_label3 = ui::placeLabel(this, "Label3", {120, 5700, 8760, 495}, {});
    m_label3->setWordWrap(true);
}

void DrawCheckWindow::createRangeControls()
{
    ui::placeLabel(this, "Label4", {120, 6330, 1455, 255}, QStringLiteral("保存した回で照合"));
    m_text2 = ui::placeControl<QLineEdit>(this, "Text2", {1680, 6270, 975, 375});
    ui::placeLabel(this, "Label5", {2700, 6330, 255, 255}, QStringLiteral("～"));
    m_text3 = ui::placeControl<QLineEdit>(this, "Text3", {3000, 6270, 975, 375});
    ui::placeButton(this, "Command2", {4080, 6240, 1320, 435}, QStringLiteral("範囲で照合"));
}

void DrawCheckWindow::createButtons()
{
    ui::placeButton(this, "Command3", {120, 6960, 1455, 435}, QStringLiteral("保存"));
    ui::placeButton(this, "Command4", {1680, 6960, 2295, 435}, QStringLiteral("ファイルから読み込む..."));
    ui::placeButton(this, "Command5", {4080, 6960, 2295, 435}, QStringLiteral("貼り付けて読み込む"));
    ui::placeButton(this, "Command6", {7560, 6960, 1320, 435}, QStringLiteral("閉じる"));
}

void DrawCheckWindow::connectControls()
{
    // Enter in the draw checks, as "照合" does, and the focus stays there for the next draw.
    connect(m_text1, &QLineEdit::returnPressed, this, &DrawCheckWindow::checkTyped);
    connect(ui::buttonNamed(this, "Command1"), &QPushButton::clicked, this, &DrawCheckWindow::checkTyped);
    connect(m_text2, &QLineEdit::returnPressed, this, &DrawCheckWindow::checkRange);
    connect(m_text3, &QLineEdit::returnPressed, this, &DrawCheckWindow::checkRange);
    connect(ui::buttonNamed(this, "Command2"), &QPushButton::clicked, this, &DrawCheckWindow::checkRange);
    connect(ui::buttonNamed(this, "Command3"), &QPushButton::clicked, this, &DrawCheckWindow::keepTyped);
    connect(ui::buttonNamed(this, "Command4"), &QPushButton::clicked, this, &DrawCheckWindow::openResults);
    connect(ui::buttonNamed(this, "Command5"), &QPushButton::clicked, this,
        [this] { loadResults(QGuiApplication::clipboard()->text()); });
    connect(ui::buttonNamed(this, "Command6"), &QPushButton::clicked, this, &QWidget::close);
    // Another lottery's sets against this lottery's draw would mean nothing.
    connect(m_combo1, &QComboBox::currentIndexChanged, this, [this] {
        m_table->clear();
        m_label3->clear();
    });
}

void DrawCheckWindow::onLoad()
{
    m_combo1->setFocus();
}

const lotteries::LotteryRules& DrawCheckWindow::rules() const
{
    return lotteries::rulesOf(kLotteries[m_combo1->currentIndex()]);
}

bool DrawCheckWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_grid1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            copyRows();
            return true;
        }
        // A results table pasted into the table, where the draw box would take it as one draw.
        if (key->matches(QKeySequence::Paste)) {
            loadResults(QGuiApplication::clipboard()->text());
            return true;
        }
    }
    return ui::OtherWindow::eventFilter(watched, event);
}

std::optional<lotteries::Draw> DrawCheckWindow::typedDraw()
{
    const core::Result<lotteries::Draw, QString> draw = lotteries::readDraw(rules().lottery, m_text1->text());
    if (!draw.ok()) {
        refuse(draw.failure());
        return std::nullopt;
    }
    return draw.value();
}

void DrawCheckWindow::checkTyped()
{
    if (const std::optional<lotteries::Draw> draw = typedDraw())
        check({*draw});
    m_text1->setFocus();
}

void DrawCheckWindow::checkRange()
{
    bool firstIsNumber = false;
    bool lastIsNumber = false;
    const int first = m_text2->text().trimmed().toInt(&firstIsNumber);
    const int last = m_text3->text().trimmed().toInt(&lastIsNumber);
    if (!firstIsNumber || !lastIsNumber || first > last) {
        refuse(
            QStringLiteral("照合する回号の範囲を、小さい回号から大きい回号の順に数字で入力してください。"));
        return;
    }
    const core::Result<QList<lotteries::Draw>> kept = lotteries::DrawFile(rules(), services().dataDir).read();
    if (!kept.ok()) {
        showFailure(kept.failure());
        return;
    }
    QList<lotteries::Draw> draws;
    for (const lotteries::Draw& draw : kept.value()) {
        if (draw.number >= first && draw.number <= last)
            draws.append(draw);
    }
    if (draws.isEmpty()) {
        refuse(QStringLiteral("第%1回から第%2回までの当せん番号は保存されていません。").arg(first).arg(last));
        return;
    }
    check(draws);
}

void DrawCheckWindow::check(const QList<lotteries::Draw>& draws)
{
    const lotteries::LotteryRules& rules = this->rules();
    lotteries::PrintFile printFile(rules, services().dataDir);
    if (const core::Result<void> read = m_table->check(rules, printFile.path(), draws); !read.ok()) {
        m_label3->clear();
        showFailure(read.failure());
        return;
    }
    if (m_table->lines().size() * draws.size() > std::numeric_limits<int>::max()) {
        m_table->clear();
        m_label3->clear();
        refuse(QStringLiteral("セットと回の組み合わせが多すぎます。回号の範囲を狭めてください。"));
        return;
    }
    std::unique_ptr<QProgressDialog> progress;
    if (draws.size() >= kDrawsWithProgress) {
        progress = std::make_unique<QProgressDialog>(QStringLiteral("照合しています…"),
            QStringLiteral("キャンセル"), 0, static_cast<int>(draws.size()), this);
        progress->setObjectName(QStringLiteral("frmProgress"));
        progress->setWindowTitle(titleText());
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
    }
    const std::optional<Tally> tally
        = tallyOf(rules, m_table->lines(), draws, [&progress](qsizetype drawsDone) {
              if (!progress)
                  return true;
              progress->setValue(static_cast<int>(drawsDone));
              return !progress->wasCanceled();
          });
    if (!tally) {
        m_table->clear();
        m_label3->clear();
        return;
    }
    m_label3->setText(tallyText(rules, *tally));
}

void DrawCheckWindow::keepTyped()
{
    const std::optional<lotteries::Draw> draw = typedDraw();
    if (!draw)
        return;
    if (draw->number == 0) {
        refuse(
            QStringLiteral("保存するには、番号の前に回号を入力してください（例: 第1850回 2023/12/11 …）。"));
        return;
    }
    const lotteries::DrawFile file(rules(), services().dataDir);
    if (const core::Result<void> kept = file.keep({*draw}); !kept.ok()) {
        showFailure(kept.failure());
        return;
    }
    services().prompter.ask(this,
        {titleText(), QStringLiteral("第%1回の当せん番号を保存しました。").arg(draw->number),
            ui::PromptIcon::Information, ui::PromptButtons::Ok});
}

void DrawCheckWindow::loadResults(const QString& text)
{
    const lotteries::Lottery lottery = rules().lottery;
    const ReadResults results = readResults(lottery, text);
    if (!confirmResults(this, resultsReport(lottery, results), !results.draws.isEmpty()))
        return;
    const lotteries::DrawFile file(rules(), services().dataDir);
    if (const core::Result<void> kept = file.keep(results.draws); !kept.ok()) {
        showFailure(kept.failure());
        return;
    }
    services().prompter.ask(this,
        {titleText(), QStringLiteral("%1 回分の当せん番号を保存しました。").arg(results.draws.size()),
            ui::PromptIcon::Information, ui::PromptButtons::Ok});
}

void DrawCheckWindow::openResults()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("当せん番号のファイル"),
        services().dataDir.path(), QStringLiteral("テキスト (*.txt *.csv *.tsv);;すべてのファイル (*)"));
    if (path.isEmpty())
        return;
    const core::Result<QString> text = core::readTextFile(path);
    if (!text.ok()) {
        showFailure(text.failure());
        return;
    }
    loadResults(text.value());
}

void DrawCheckWindow::copyRows()
{
    QList<int> rows;
    for (const QModelIndex& index : m_grid1->selectionModel()->selectedRows())
        rows.append(index.row());
    if (!rows.isEmpty())
        QGuiApplication::clipboard()->setText(m_table->rowsText(rows));
}

void DrawCheckWindow::showFailure(const core::FileFailure& failure)
{
    services().prompter.ask(this, ui::fileFailurePrompt(failure));
}

void DrawCheckWindow::refuse(const QString& text)
{
    services().prompter.ask(this, {titleText(), text, ui::PromptIcon::Exclamation, ui::PromptButtons::Ok});
}

} // namespace draws
