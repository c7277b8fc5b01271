#include "app/version_window.h"

#include "app/about.h"
#include "app/app_icon.h"
#include "app/system_info.h"
#include "ui/app_info.h"
#include "ui/prompter.h"
#include "ui/window_layout.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <functional>

namespace app {

namespace {

constexpr int kClientWidth = 5865;
constexpr int kClientHeight = 3630;

const QColor kLinkAtRest(0, 0, 255);
const QColor kLinkUnderPointer(128, 0, 0);

// A label that opens its address when clicked and turns dark red while the pointer is over it.
class LinkLabel final : public QLabel {
public:
    LinkLabel(const QString& caption, std::function<void()> open, QWidget* parent)
        : QLabel(caption, parent)
        , m_open(std::move(open))
    {
        QFont font = ui::fixedFont(11.25);
        font.setUnderline(false);
        setFont(font);
        setCursor(Qt::PointingHandCursor);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setColour(kLinkAtRest);
    }

protected:
    void enterEvent(QEnterEvent*) override { setColour(kLinkUnderPointer); }
    void leaveEvent(QEvent*) override { setColour(kLinkAtRest); }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_open();
    }

private:
    void setColour(const QColor& colour)
    {
        QPalette palette = this->palette();
        palette.setColor(QPalette::WindowText, colour);
        setPalette(palette);
    }

    std::function<void()> m_open;
};

// The etched separator: a grey line with a white one two pixels thick under it, offset by a pixel.
class EtchedLine final : public QWidget {
public:
    explicit EtchedLine(QWidget* parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("Line1"));
        // From (225, 2430) to (5657, 2430), the white line from (240, 2445).
        setGeometry(ui::pixelRect({225, 2430, 5657 - 225, 45}));
        m_whiteOffset = ui::pixelSize(240 - 225, 2445 - 2430);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(0, 0, width(), 1, QColor(128, 128, 128));
        painter.fillRect(m_whiteOffset.width(), m_whiteOffset.height(), width() - m_whiteOffset.width(), 2,
            QColor(255, 255, 255));
    }

private:
    QSize m_whiteOffset;
};

} // namespace

VersionWindow::VersionWindow(app::Navigator& navigator)
    : ui::OtherWindow(navigator)
    , m_shell(navigator.shell())
{
    // A fixed dialog frame: no resizing, no minimize or maximize button.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
        | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    ui::setUpWindow(
        this, "frmAbout", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"), kClientWidth, kClientHeight, ui::Sizing::Fixed);
    createTitle();
    createLinks();
    createButtons();
    connectButtons();
}

void VersionWindow::createTitle()
{
    auto* icon = ui::placeControl<QLabel>(this, "picIcon", {240, 240, 540, 540});
    icon->setPixmap(app::applicationPixmap(icon->width()));
    m_title = ui::placeLabel(this, "lblTitle", {1560, 240, 3375, 480}, {});
    QFont titleFont = ui::proportionalFont(12);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    m_title->setFont(titleFont);
    QPalette titlePalette = m_title->palette();
    titlePalette.setColor(QPalette::WindowText, Qt::black);
    m_title->setPalette(titlePalette);
    m_version = ui::placeLabel(this, "lblVersion", {1560, 720, 2415, 225}, {});
    m_version->setFont(ui::proportionalFont(12));
}

void VersionWindow::createLinks()
{
    const std::array<ui::TwipRect, 3> linkPlaces {
        {{1200, 1200, 4095, 285}, {1200, 1560, 4215, 285}, {1200, 1920, 2775, 285}}};
    const std::array<app::Link, 3> links = app::authorLinks();
    seams::Launcher& launcher = m_shell.launcher;
    for (std::size_t i = 0; i < links.size(); ++i) {
        const QUrl target = links.at(i).target;
        // Whether a browser came up is not reported: there is nothing the user could do about it here.
        auto* label = ui::placeControl<LinkLabel>(this, links.at(i).name, linkPlaces.at(i),
            links.at(i).caption, [&launcher, target] { launcher.openWithDefaultHandler(target); });
        ui::fitLabelText(label);
    }
    new EtchedLine(this);
}

void VersionWindow::createButtons()
{
    m_ok = ui::placeButton(this, "cmdOK", {4245, 2625, 1467, 345}, QStringLiteral("OK"));
    auto* sysInfo
        = ui::placeButton(this, "cmdSysInfo", {4260, 3075, 1452, 345}, QStringLiteral("ｼｽﾃﾑ情報(&S)..."));
    // Enter presses the button that has the focus, OK when none has; Esc is OK too.
    m_ok->setDefault(true);
    m_ok->setAutoDefault(true);
    sysInfo->setAutoDefault(true);
    ui::setTabOrder({m_ok, sysInfo});
}

void VersionWindow::connectButtons()
{
    connect(m_ok, &QPushButton::clicked, this, &QWidget::close);
    connect(ui::buttonNamed(this, "cmdSysInfo"), &QPushButton::clicked, this, &VersionWindow::startSysInfo);
}

void VersionWindow::onLoad()
{
    m_version->setText(app::versionText());
    m_title->setText(ui::applicationTitle());
    ui::fitLabelText(m_version);
    ui::fitLabelText(m_title);
    m_ok->setFocus();
}

void VersionWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_ok->click();
        return;
    default:
        ui::OtherWindow::keyPressEvent(event);
    }
}

void VersionWindow::startSysInfo()
{
    const std::optional<QString> program = app::systemInfoProgram(m_shell.registry, m_shell.launcher);
    if (program && m_shell.launcher.startDetached(*program, {}, {}))
        return;
    services().prompter.ask(this,
        {ui::applicationTitle(), QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"), ui::PromptIcon::None,
            ui::PromptButtons::Ok});
}

} // namespace app
