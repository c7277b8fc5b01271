#include "app/readme.h"
#include "row_name.h"
#include "ui/app_info.h"
#include "window_fixture.h"

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QTimer>

namespace {

class MainWindowTest : public WindowTest {
protected:
    // Runs the event loop as the program does; true when it ended with no window left.
    static bool programEndsAfter(const std::function<void()>& action)
    {
        bool timedOut = false;
        QTimer::singleShot(0, action);
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&timedOut] {
            timedOut = true;
            QCoreApplication::exit(1);
        });
        watchdog.start(5000);
        const int status = QApplication::exec();
        return !timedOut && status == 0 && openWindows().isEmpty();
    }
};

struct OpenCase {
    const char* name;
    const char* control; // a button or a menu item of the main window
    const char* window;
};

class OpenFromMain : public MainWindowTest, public testing::WithParamInterface<OpenCase> { };

TEST_P(OpenFromMain, ShowsOnlyTheTargetAndComesBackWhenItCloses)
{
    QWidget* main = open();
    const QString name = QString::fromLatin1(GetParam().control);
    if (main->findChild<QPushButton*>(name))
        click(main, GetParam().control);
    else
        control<QAction>(main, GetParam().control)->trigger();

    QWidget* target = onlyWindow();
    ASSERT_EQ(formOf(target), GetParam().window);
    EXPECT_EQ(target->objectName(), GetParam().window);

    click(target, "Command1");
    EXPECT_EQ(formOf(onlyWindow()), "Form1");
}

INSTANTIATE_TEST_SUITE_P(Controls, OpenFromMain,
    testing::Values(OpenCase {"Numbers3Button", "Command1", "Form4"},
        OpenCase {"Numbers4Button", "Command2", "Form3"}, OpenCase {"MiniLotoButton", "Command3", "Form2"},
        OpenCase {"Loto6Button", "Command4", "Form7"}, OpenCase {"Numbers3Item", "no3", "Form4"},
        OpenCase {"Numbers4Item", "no4", "Form3"}, OpenCase {"MiniLotoItem", "mini", "Form2"},
        OpenCase {"Loto6Item", "lo6", "Form7"}, OpenCase {"QuickButton", "Command6", "Form6"},
        OpenCase {"QuickItem", "quick", "Form6"}, OpenCase {"CalibrationItem", "lok", "Form5"}),
    rowName);

struct ShortcutCase {
    const char* name;
    Qt::Key key;
    const char* window;
};

class ShortcutFromMain : public MainWindowTest, public testing::WithParamInterface<ShortcutCase> { };

TEST_P(ShortcutFromMain, OpensItsWindow)
{
    QWidget* main = open();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    QTest::keyClick(main, GetParam().key, Qt::ControlModifier);
    QWidget* target = onlyWindow();
    EXPECT_EQ(formOf(target), GetParam().window);
    // The close box brings the main window back just as the close button does.
    target->close();
    EXPECT_EQ(formOf(onlyWindow()), "Form1");
}

INSTANTIATE_TEST_SUITE_P(Keys, ShortcutFromMain,
    testing::Values(ShortcutCase {"CtrlA", Qt::Key_A, "Form4"}, ShortcutCase {"CtrlB", Qt::Key_B, "Form3"},
        ShortcutCase {"CtrlC", Qt::Key_C, "Form2"}, ShortcutCase {"CtrlD", Qt::Key_D, "Form7"},
        ShortcutCase {"CtrlE", Qt::Key_E, "Form6"}, ShortcutCase {"CtrlF", Qt::Key_F, "frmDrawCheck"}),
    rowName);

TEST_F(MainWindowTest, LoadingTheMainWindowTwiceShowsOne)
{
    open();
    m_navigator.loadMain();
    EXPECT_EQ(formOf(onlyWindow()), "Form1");
}

TEST_F(MainWindowTest, EndsByTheExitButtonAtOnce)
{
    QWidget* main = open();
    EXPECT_TRUE(programEndsAfter([&] { click(main, "Command5"); }));
    EXPECT_TRUE(m_prompter.asked.isEmpty());
}

TEST_F(MainWindowTest, EndsByTheExitMenuItem)
{
    QWidget* main = open();
    EXPECT_TRUE(programEndsAfter([&] { control<QAction>(main, "ed")->trigger(); }));
}

TEST_F(MainWindowTest, EndsByCtrlQ)
{
    QWidget* main = open();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    EXPECT_TRUE(programEndsAfter([&] { QTest::keyClick(main, Qt::Key_Q, Qt::ControlModifier); }));
}

TEST_F(MainWindowTest, EndsByTheCloseBox)
{
    QWidget* main = open();
    EXPECT_TRUE(programEndsAfter([&] { main->close(); }));
}

TEST_F(MainWindowTest, ProgramGoesOnWhileACardWindowIsOpen)
{
    QWidget* main = open();
    QString card;
    EXPECT_TRUE(programEndsAfter([&] {
        click(main, "Command4");
        QWidget* window = onlyWindow();
        card = formOf(window);
        window->close();
        QWidget* back = onlyWindow();
        EXPECT_EQ(formOf(back), "Form1");
        back->close();
    }));
    EXPECT_EQ(card, "Form7");
}

TEST_F(MainWindowTest, ReadmeOpensTheDataFoldersReadmeAndKeepsTheMainWindow)
{
    QWidget* main = open();
    control<QAction>(main, "hlp")->trigger();
    control<QAction>(main, "hlp")->trigger();
    // Notepad in the data folder on Windows, the desktop's editor elsewhere.
    if (app::hostPlatform() == app::HostPlatform::Windows) {
        const QStringList notepad {"notepad", "readme.txt", QDir(m_dir.path()).absolutePath()};
        EXPECT_EQ(m_launcher.started, QList<QStringList>({notepad, notepad}));
    } else {
        const QUrl readme = QUrl::fromLocalFile(filePath("readme.txt"));
        EXPECT_EQ(m_launcher.opened, QList<QUrl>({readme, readme}));
    }
    EXPECT_TRUE(m_prompter.asked.isEmpty());
    EXPECT_EQ(onlyWindow(), main);
}

TEST_F(MainWindowTest, ReadmeWithoutAnEditorSaysSoAndGoesOn)
{
    m_launcher.succeeds = false;
    QWidget* main = open();
    control<QAction>(main, "hlp")->trigger();
    ASSERT_EQ(m_prompter.asked.size(), 1);
    EXPECT_EQ(m_prompter.asked.first().title, ui::applicationTitle());
    EXPECT_TRUE(m_prompter.asked.first().text.contains("readme.txt"));
    EXPECT_EQ(m_prompter.asked.first().buttons, ui::PromptButtons::Ok);
    EXPECT_EQ(onlyWindow(), main);
}

} // namespace
