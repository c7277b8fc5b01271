#include "quick/quick_window.h"

#include "core/shift_jis.h"
#include "quick/quick_run.h"
#include "ui/prompter.h"
#include "ui/window_layout.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

namespace quick {

namespace {

constexpr int kClientWidth = 4470;
constexpr int kClientHeight = 2430;
constexpr qsizetype kShownCharacters = 20;

QString titleText()
{
    return QStringLiteral("クイック予想");
}

ui::Prompt dataFaultPrompt(const quick::DataFault& fault)
{
    QString problem;
    if (fault.missing) {
        problem = QStringLiteral("%1 行目がありません（%2 行必要です）。")
                      .arg(fault.line)
                      .arg(quick::kNumbers3Entries + quick::kNumbers4Entries);
    } else {
        QString content = core::ShiftJisDecoder()(fault.content);
        if (content.size() > kShownCharacters)
            content = content.left(kShownCharacters) + QStringLiteral("…");
        // In one pass, so that a line holding "%3" is shown as it is.
        problem = QStringLiteral("%1 行目「%2」が%3けたの数字ではありません。")
                      .arg(QString::number(fault.line), content,
                          fault.digits == 3 ? QStringLiteral("３") : QStringLiteral("４"));
    }
    return {titleText(),
        QStringLiteral("予想データファイルを使えません。印刷ファイルは元のままです。\n\n%1\n%2")
            .arg(fault.path, problem),
        ui::PromptIcon::Critical, ui::PromptButtons::Ok};
}

ui::Prompt unreadableDataPrompt(const core::FileFailure& failure)
{
    return {titleText(),
        ui::fileFailureText(
            QStringLiteral("予想データファイルを読めません。印刷ファイルは元のままです。"), failure),
        ui::PromptIcon::Critical, ui::PromptButtons::Ok};
}

ui::Prompt writeFaultPrompt(const quick::WriteFault& fault)
{
    QStringList written;
    QStringList untouched;
    for (std::size_t i = 0; i < quick::kWriteOrder.size(); ++i)
        (static_cast<int>(i) < fault.written ? written : untouched)
            .append(lotteries::lotteryName(quick::kWriteOrder.at(i)));
    QString text = ui::fileFailureText(QStringLiteral("印刷ファイルに書き込めませんでした。"), fault.failure)
        + QStringLiteral("\n\n");
    if (!written.isEmpty())
        text += QStringLiteral("%1 には新しい予想を書き込みました。").arg(written.join(u'、'));
    text += QStringLiteral("%1 の印刷ファイルは元のままです。").arg(untouched.join(u'、'));
    return {titleText(), text, ui::PromptIcon::Exclamation, ui::PromptButtons::Ok};
}

} // namespace

QuickWindow::QuickWindow(ui::Navigation& navigation)
    : ui::OtherWindow(navigation)
{
    ui::setUpWindow(this, "Form6", titleText(), kClientWidth, kClientHeight);

    m_check1
        = ui::placeCheckBox(this, "Check1", {120, 120, 2295, 255}, QStringLiteral("予想件数を５件にする"));
    m_check2
        = ui::placeCheckBox(this, "Check2", {120, 480, 2415, 375}, QStringLiteral("印刷ファイルに追加する"));
    ui::placeLabel(this, "Label1", {120, 960, 1695, 255}, QStringLiteral("ナンバーズのタイプ"));
    m_option1 = ui::placeOptionButton(this, "Option1", {120, 1200, 1215, 255}, QStringLiteral("ストレート"));
    m_option2 = ui::placeOptionButton(this, "Option2", {120, 1560, 975, 255}, QStringLiteral("ボックス"));
    m_option3 = ui::placeOptionButton(this, "Option3", {120, 1920, 735, 255}, QStringLiteral("セット"));
    auto* command1 = ui::placeButton(this, "Command1", {2520, 240, 1695, 855}, QStringLiteral("閉じる"));
    auto* command2
        = ui::placeButton(this, "Command2", {2520, 1320, 1695, 855}, QStringLiteral("予想データ書込み"));

    ui::setTabOrder({m_option3, m_option2, m_check1, m_check2, m_option1, command1, command2});
    connect(command1, &QPushButton::clicked, this, &QWidget::close);
    connect(command2, &QPushButton::clicked, this, &QuickWindow::writePredictions);
}

void QuickWindow::onLoad()
{
    // "セット" comes first in the tab order; taking the focus selects it, so a run started without a
    // choice writes play type C.
    m_option3->setChecked(true);
    m_option3->setFocus();
}

void QuickWindow::writePredictions()
{
    const char playType = m_option1->isChecked() ? 'A' : m_option2->isChecked() ? 'B' : 'C';
    const quick::RunSettings settings {m_check1->isChecked() ? 5 : 10,
        m_check2->isChecked() ? quick::WriteMode::Add : quick::WriteMode::Replace, playType};
    const ui::Services& services = this->services();
    const core::Result<void, quick::RunFailure> run
        = quick::runQuickPrediction(services.dataDir, settings, services.random, services.clock);
    if (run.ok()) {
        close();
        return;
    }
    // The window stays, so that the user can put the file right and write again.
    const quick::RunFailure& failure = run.failure();
    if (const auto* unreadable = std::get_if<core::FileFailure>(&failure))
        services.prompter.ask(this, unreadableDataPrompt(*unreadable));
    else if (const auto* fault = std::get_if<quick::DataFault>(&failure))
        services.prompter.ask(this, dataFaultPrompt(*fault));
    else
        services.prompter.ask(this, writeFaultPrompt(std::get<quick::WriteFault>(failure)));
}

} // namespace quick
