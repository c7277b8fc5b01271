// Every window of the program as Windows shows it on a screen of the dots per inch the run is given, on
// Qt's own Windows platform: scaled from its twips to that screen, every control inside its window and
// every caption whole inside its control. A screenshot of each window, as the screen shows it, is kept.
// Usage: high_dpi_tests DOTS_PER_INCH SCREENSHOT_FOLDER [GoogleTest's options]
#include "core/units.h"
#include "ui/window_layout.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <iostream>
#include <optional>

namespace {

// What the run was started with.
double g_dotsPerInch = 0;
QString g_screenshots;

// Where a glyph's outline ends and where the pixels drawn for it end differ by up to half a pixel: a
// caption that much beyond its room loses nothing.
constexpr double kRounding = 0.5;

// A length in twips on the run's screen, in the screen's own pixels.
double onScreen(int twips)
{
    return twips * g_dotsPerInch / core::kTwipsPerInch;
}

// How the caption fails to show whole where the control draws it in room with those flags: wider than
// room, or its ink (its lines, when wrapped) above or below the control. Empty when it shows whole.
QString captionFault(const QWidget* control, const QString& caption, const QRect& room, int flags)
{
    const QFontMetricsF metrics(control->font(), control);
    const QRectF lines = metrics.boundingRect(QRectF(room), flags, caption);
    QRectF ink = lines;
    if (!(flags & Qt::TextWordWrap)) {
        // As the style draws it, without the access key's "&".
        const QString drawn = flags & Qt::TextShowMnemonic ? QString(caption).remove(u'&') : caption;
        ink = metrics.tightBoundingRect(drawn).translated(lines.left(), lines.top() + metrics.ascent());
    }
    if (lines.width() > room.width() + kRounding || ink.top() < -kRounding
        || ink.bottom() > control->height() + kRounding) {
        return QStringLiteral("「%1」needs %2 x %3 in %4 x %5")
            .arg(caption)
            .arg(lines.width())
            .arg(lines.height())
            .arg(room.width())
            .arg(room.height());
    }
    return {};
}

QStyleOptionButton buttonOption(const QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    if (const auto* push = qobject_cast<const QPushButton*>(button)) {
        if (push->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
        if (push->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
    }
    return option;
}

// The faults of the control's captions, each where its style draws it; none for a control without one.
QStringList captionFaults(const QWidget* control)
{
    const QStyle* style = control->style();
    QStringList faults;
    const auto check = [&](const QString& caption, const QRect& room, int flags) {
        if (const QString fault = captionFault(control, caption, room, flags); !fault.isEmpty())
            faults.append(fault);
    };
    if (const auto* label = qobject_cast<const QLabel*>(control); label && !label->text().isEmpty()) {
        check(label->text(), label->contentsRect(),
            int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0));
    } else if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        const QStyleOptionButton option = buttonOption(button);
        check(button->text(), style->subElementRect(QStyle::SE_PushButtonContents, &option, button),
            Qt::AlignCenter | Qt::TextShowMnemonic);
    } else if (qobject_cast<const QCheckBox*>(control) || qobject_cast<const QRadioButton*>(control)) {
        const auto* choice = static_cast<const QAbstractButton*>(control);
        const QStyleOptionButton option = buttonOption(choice);
        const auto contents = qobject_cast<const QCheckBox*>(control) ? QStyle::SE_CheckBoxContents
                                                                      : QStyle::SE_RadioButtonContents;
        check(choice->text(), style->subElementRect(contents, &option, choice),
            Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic);
    } else if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        const QRect field
            = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        for (int item = 0; item < combo->count(); ++item)
            check(combo->itemText(item), field, Qt::AlignLeft | Qt::AlignVCenter);
    }
    return faults;
}

struct WindowCase {
    const char* form;
    // The client area as designed, in twips; none for the preview, which its layout fills at the size the
    // screen leaves it.
    std::optional<QSize> clientTwips;
    // Opens the window once the main window is up; nothing for the main window itself.
    std::function<void(app::Navigator&)> load;
    // The control of that window that opens the case's dialog over it, or nothing.
    const char* dialogOpener;
};

void PrintTo(const WindowCase& c, std::ostream* os)
{
    *os << c.form;
}

class HighDpiWindow : public WindowTest, public testing::WithParamInterface<WindowCase> {
protected:
    void SetUp() override
    {
        m_printers.printers = {{"office", "A4", {210, 297}, {5, 5, 5, 5}, seams::PrinterState::Idle}};
        m_printers.defaultPrinter = "office";
        write("loto6.txt", "011522304143\r\n");
    }

    // Checks the window as it is on the screen and keeps a screenshot of it.
    static void look(QWidget* window)
    {
        const WindowCase& c = GetParam();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        // What is shown is painted before it is grabbed.
        QTest::qWait(200);
        EXPECT_EQ(window->objectName(), c.form);
        const auto* main = qobject_cast<QMainWindow*>(window);
        const QWidget* client = main ? main->centralWidget() : window;
        const double scale = window->devicePixelRatioF();
        if (c.clientTwips) {
            // A pixel and a half for the rounding of twips to Qt's pixels and of those to the screen's.
            EXPECT_NEAR(client->width() * scale, onScreen(c.clientTwips->width()), 1.5);
            EXPECT_NEAR(client->height() * scale, onScreen(c.clientTwips->height()), 1.5);
        }
        // Whole on the screen, frame and all, where the user can reach every control.
        EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()));

        int controls = 0;
        for (const QWidget* control : window->findChildren<QWidget*>()) {
            const QString name = control->objectName();
            if (name.isEmpty() || name.startsWith(u"qt_") || !control->isVisible())
                continue;
            ++controls;
            EXPECT_TRUE(control->parentWidget()->rect().contains(control->geometry())) << name.toStdString();
            for (const QString& fault : captionFaults(control))
                ADD_FAILURE() << name.toStdString() << ": " << fault.toStdString();
        }
        EXPECT_GT(controls, 0);

        const QPixmap shot = window->screen()->grabWindow(window->winId());
        EXPECT_EQ(shot.size(), window->size() * scale);
        EXPECT_TRUE(shot.save(QStringLiteral("%1/%2.png").arg(g_screenshots, c.form)));
    }
};

TEST(HighDpiScreen, IsWindowsOwnAtTheDotsPerInchOfTheRun)
{
    EXPECT_EQ(QGuiApplication::platformName(), "windows");
    const QScreen* screen = QGuiApplication::primaryScreen();
    EXPECT_DOUBLE_EQ(screen->logicalDotsPerInchY() * screen->devicePixelRatio(), g_dotsPerInch);
}

TEST_P(HighDpiWindow, ShowsEveryControlAndCaptionWhole)
{
    const WindowCase& c = GetParam();
    m_navigator.loadMain();
    if (c.load)
        c.load(m_navigator);
    m_window = onlyWindow();
    ASSERT_NE(m_window, nullptr);
    if (!c.dialogOpener) {
        look(m_window);
        return;
    }
    const auto openDialog = [this, &c] {
        if (auto* action = m_window->findChild<QAction*>(QString::fromLatin1(c.dialogOpener)))
            action->trigger();
        else
            click(m_window, c.dialogOpener);
    };
    EXPECT_NE(whileModal(openDialog, look), nullptr);
}

using lotteries::Lottery;

const auto card
    = [](Lottery lottery) { return [lottery](app::Navigator& navigator) { navigator.openCard(lottery); }; };
const auto calibration = [](app::Navigator& navigator) { navigator.openCalibration(); };

INSTANTIATE_TEST_SUITE_P(EveryWindow, HighDpiWindow,
    testing::Values(WindowCase {"Form1", QSize(4965, 2640), {}, nullptr},
        WindowCase {"Form7", QSize(4800, 8430), card(Lottery::Loto6), nullptr},
        WindowCase {"Form2", QSize(4320, 8370), card(Lottery::MiniLoto), nullptr},
        WindowCase {"Form3", QSize(5370, 5700), card(Lottery::Numbers4), nullptr},
        WindowCase {"Form4", QSize(5025, 5565), card(Lottery::Numbers3), nullptr},
        WindowCase {
            "Form6", QSize(4470, 2430), [](app::Navigator& navigator) { navigator.openQuick(); }, nullptr},
        WindowCase {"Form5", QSize(4245, 3450), calibration, nullptr},
        WindowCase {"frmAbout", QSize(5865, 3630), [](app::Navigator& navigator) { navigator.openVersion(); },
            nullptr},
        WindowCase {"frmPrinter", QSize(6600, 3840), {}, "prn"},
        WindowCase {"frmPreview", std::nullopt, card(Lottery::Loto6), "Command5"},
        WindowCase {"frmAlign", QSize(4800, 3015), calibration, "Command13"},
        WindowCase {"frmAddSets", QSize(7200, 5400), card(Lottery::Loto6), "Command6"},
        WindowCase {"frmDrawCheck", QSize(9000, 7560),
            [](app::Navigator& navigator) { navigator.openDrawCheck(); }, nullptr}),
    [](const testing::TestParamInfo<WindowCase>& info) { return std::string(info.param.form); });

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // The program's own font, which it sets before it opens a window.
    QApplication::setFont(ui::proportionalFont(ui::kDefaultFontPoints));
    testing::InitGoogleTest(&argc, argv);
    if (argc != 3) {
        std::cerr << "usage: high_dpi_tests DOTS_PER_INCH SCREENSHOT_FOLDER [GoogleTest's options]\n";
        return 2;
    }
    g_dotsPerInch = QString::fromLocal8Bit(argv[1]).toDouble();
    g_screenshots = QString::fromLocal8Bit(argv[2]);
    std::cout << "Screenshots in " << g_screenshots.toStdString() << std::endl;
    return RUN_ALL_TESTS();
}
