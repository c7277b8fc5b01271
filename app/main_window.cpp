#include "app/main_window.h"

#include "app/navigator.h"
#include "app/readme.h"
#include "printing/printer_dialog.h"
#include "ui/app_info.h"
#include "ui/prompter.h"
#include "ui/window_layout.h"

#include <QMenuBar>
#include <QPushButton>

using lotteries::Lottery;

namespace app {

namespace {

constexpr int kClientWidth = 4965;
constexpr int kClientHeight = 2640;
constexpr int kButtonWidth = 2295;
constexpr int kButtonHeight = 615;

struct ButtonDesign {
    const char* name;
    const char16_t* caption;
    int left;
    int top;
};

// In tab order.
constexpr ButtonDesign kButtons[] = {
    {"Command1", u"Numbers ３ ", 120, 120},
    {"Command2", u"Numbers ４", 2520, 120},
    {"Command3", u"ミ ニ ロ ト", 120, 960},
    {"Command4", u"ロト シックス", 2520, 960},
    {"Command5", u"終　　　　　　了", 2520, 1800},
    {"Command6", u"クイック予想", 120, 1800},
};

} // namespace

MainWindow::MainWindow(app::Navigator& navigator)
    : m_navigator(navigator)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ui::applicationTitle());
    buildButtons();
    buildMenus();
    const QSize client = ui::pixelSize(kClientWidth, kClientHeight);
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
}

void MainWindow::buildButtons()
{
    auto* client = new QWidget(this);
    setCentralWidget(client);
    QList<QWidget*> buttons;
    for (const ButtonDesign& design : kButtons) {
        buttons.append(ui::placeButton(client, design.name,
            {design.left, design.top, kButtonWidth, kButtonHeight}, QString::fromUtf16(design.caption)));
    }
    ui::setTabOrder(buttons);

    const auto button = [client](const char* name) { return ui::buttonNamed(client, name); };
    connect(button("Command1"), &QPushButton::clicked, this, opener(Lottery::Numbers3));
    connect(button("Command2"), &QPushButton::clicked, this, opener(Lottery::Numbers4));
    connect(button("Command3"), &QPushButton::clicked, this, opener(Lottery::MiniLoto));
    connect(button("Command4"), &QPushButton::clicked, this, opener(Lottery::Loto6));
    connect(button("Command5"), &QPushButton::clicked, this, &QWidget::close);
    connect(button("Command6"), &QPushButton::clicked, this, [this] { m_navigator.openQuick(); });
}

void MainWindow::buildMenus()
{
    const auto addMenu = [this](const char* name, const QString& title) {
        QMenu* menu = menuBar()->addMenu(title);
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    const auto addItem = [](QMenu* menu, const char* name, const QString& caption, const QKeySequence& keys) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        return action;
    };

    QMenu* fil = addMenu("fil", QStringLiteral("ファイル"));
    connect(addItem(fil, "no3", QStringLiteral("ナンバーズ ３"), Qt::CTRL | Qt::Key_A), &QAction::triggered,
        this, opener(Lottery::Numbers3));
    connect(addItem(fil, "no4", QStringLiteral("ナンバーズ ４"), Qt::CTRL | Qt::Key_B), &QAction::triggered,
        this, opener(Lottery::Numbers4));
    connect(addItem(fil, "mini", QStringLiteral("ミ ニ ロ ト"), Qt::CTRL | Qt::Key_C), &QAction::triggered,
        this, opener(Lottery::MiniLoto));
    connect(addItem(fil, "lo6", QStringLiteral("ロト ６"), Qt::CTRL | Qt::Key_D), &QAction::triggered, this,
        opener(Lottery::Loto6));
    connect(addItem(fil, "quick", QStringLiteral("クイック予想"), Qt::CTRL | Qt::Key_E), &QAction::triggered,
        this, [this] { m_navigator.openQuick(); });
    connect(addItem(fil, "ed", QStringLiteral("終了"), Qt::CTRL | Qt::Key_Q), &QAction::triggered, this,
        &QWidget::close);

    QMenu* sst = addMenu("sst", QStringLiteral("設定"));
    connect(addItem(sst, "lok", ui::calibrationTitle(), {}), &QAction::triggered, this,
        [this] { m_navigator.openCalibration(); });
    connect(addItem(sst, "prn", ui::printerSetupTitle() + QStringLiteral("..."), {}), &QAction::triggered,
        this, [this] { printing::setUpPrinter(m_navigator.services(), this); });

    QMenu* help = addMenu("help", QStringLiteral("その他"));
    connect(addItem(help, "hlp", QStringLiteral("Readme.txt"), {}), &QAction::triggered, this,
        &MainWindow::showReadme);
    connect(addItem(help, "ver", QStringLiteral("バージョン情報"), {}), &QAction::triggered, this,
        [this] { m_navigator.openVersion(); });
    // After the two items the menu has always had, with the shortcut after the card windows' Ctrl+A to
    // Ctrl+E.
    connect(addItem(help, "chk", QStringLiteral("当せん確認"), Qt::CTRL | Qt::Key_F), &QAction::triggered,
        this, [this] { m_navigator.openDrawCheck(); });
}

std::function<void()> MainWindow::opener(Lottery lottery)
{
    return [this, lottery] { m_navigator.openCard(lottery); };
}

void MainWindow::showReadme()
{
    const ui::Services& services = m_navigator.services();
    if (app::openReadme(m_navigator.shell().launcher, services.dataDir))
        return;
    services.prompter.ask(this,
        {ui::applicationTitle(),
            QStringLiteral("readme.txt を開くテキストエディタを起動できませんでした。\n%1")
                .arg(QDir::toNativeSeparators(
                    services.dataDir.absoluteFilePath(QString::fromLatin1(app::kReadmeFile)))),
            ui::PromptIcon::Exclamation, ui::PromptButtons::Ok});
}

} // namespace app
