#include "app/about.h"
#include "window_fixture.h"

#include <QEnterEvent>
#include <QLabel>
#include <QPushButton>

namespace {

const QColor kBlue(0, 0, 255);
const QColor kDarkRed(128, 0, 0);

class VersionWindowTest : public WindowTest {
protected:
    QColor colourOf(const char* label) const
    {
        return control<QLabel>(m_window, label)->palette().color(QPalette::WindowText);
    }

    QList<QColor> linkColours() const { return {colourOf("Label4"), colourOf("Label2"), colourOf("Label3")}; }
};

TEST_F(VersionWindowTest, OpensFromTheMenuWithTitleVersionAndOkFocused)
{
    control<QAction>(open(), "ver")->trigger();
    m_window = onlyWindow();
    ASSERT_EQ(formOf(m_window), "frmAbout");
    EXPECT_EQ(m_window->windowTitle(), u"ﾊﾞｰｼﾞｮﾝ情報"_qs);
    EXPECT_EQ(control<QLabel>(m_window, "lblVersion")->text(), app::versionText());
    EXPECT_EQ(control<QLabel>(m_window, "lblTitle")->text(), u"ロト・ナンバーズ マークカード印刷"_qs);
    EXPECT_TRUE(control(m_window, "cmdOK")->hasFocus());
    EXPECT_TRUE(control<QPushButton>(m_window, "cmdOK")->isDefault());
    EXPECT_EQ(m_window->minimumSize(), m_window->maximumSize());
    EXPECT_EQ(control<QLabel>(m_window, "Label3")->text(), u"E-Mail:loto@example.com"_qs);
}

TEST_F(VersionWindowTest, ALinkIsDarkRedOnlyWhileThePointerIsOverIt)
{
    open(&app::Navigator::openVersion);
    EXPECT_EQ(linkColours(), QList<QColor>({kBlue, kBlue, kBlue}));
    QWidget* label3 = control(m_window, "Label3");
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), label3->mapToGlobal(QPointF(2, 2)));
    QCoreApplication::sendEvent(label3, &enter);
    EXPECT_EQ(linkColours(), QList<QColor>({kBlue, kBlue, kDarkRed}));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(label3, &leave);
    EXPECT_EQ(linkColours(), QList<QColor>({kBlue, kBlue, kBlue}));
    EXPECT_EQ(label3->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(VersionWindowTest, LinksOpenTheirPagesAndTheMailLabelTheMailPage)
{
    open(&app::Navigator::openVersion);
    click(m_window, "Label4");
    click(m_window, "Label2");
    click(m_window, "Label3");
    EXPECT_EQ(m_launcher.opened,
        QList<QUrl>({QUrl("https://lotocard.example.com/"), QUrl("https://lotocard.example.com/support/"),
            QUrl("https://lotocard.example.com/mail.html")}));
    EXPECT_EQ(formOf(onlyWindow()), "frmAbout");
}

TEST_F(VersionWindowTest, OkEnterAndEscBringTheMainWindowBack)
{
    for (const auto& leave :
        std::initializer_list<std::function<void(QWidget*)>> {[](QWidget* w) { click(w, "cmdOK"); },
            [](QWidget* w) { QTest::keyClick(w->focusWidget(), Qt::Key_Return); },
            [](QWidget* w) { QTest::keyClick(w->focusWidget(), Qt::Key_Escape); },
            [](QWidget* w) { w->close(); }}) {
        leave(open(&app::Navigator::openVersion));
        EXPECT_EQ(formOf(onlyWindow()), "Form1");
    }
}

TEST_F(VersionWindowTest, SystemInformationStartsTheToolTheLookupFinds)
{
    m_registry.values[{R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)", "PATH"}]
        = {seams::Registry::kTextType, QByteArray(R"(C:\Tools\msinfo32.exe)")};
    open(&app::Navigator::openVersion);
    click(m_window, "cmdSysInfo");
    EXPECT_EQ(m_launcher.started, QList<QStringList>({{R"(C:\Tools\msinfo32.exe)", ""}}));
    EXPECT_TRUE(m_prompter.asked.isEmpty());
    EXPECT_EQ(formOf(onlyWindow()), "frmAbout");
}

TEST_F(VersionWindowTest, WithoutAToolOrWhenItCannotStartTheMessageIsShownAndTheWindowStays)
{
    const ui::Prompt message {u"ロト・ナンバーズ マークカード印刷"_qs,
        u"現時点ではｼｽﾃﾑ情報を使用できません"_qs, ui::PromptIcon::None, ui::PromptButtons::Ok};
    open(&app::Navigator::openVersion);
    click(m_window, "cmdSysInfo");
    EXPECT_TRUE(m_launcher.started.isEmpty());
    m_launcher.installed["hardinfo"] = "/usr/bin/hardinfo";
    m_launcher.succeeds = false;
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window));
    // The access key presses the button the way a click does, after a short animation.
    QTest::keyClick(m_window, Qt::Key_S, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !m_launcher.started.isEmpty(); }));
    EXPECT_EQ(m_launcher.started, QList<QStringList>({{"/usr/bin/hardinfo", ""}}));
    EXPECT_EQ(m_prompter.asked, QList<ui::Prompt>({message, message}));
    EXPECT_EQ(formOf(onlyWindow()), "frmAbout");
}

} // namespace
