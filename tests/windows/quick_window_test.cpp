#include "window_fixture.h"

#include <QCheckBox>
#include <QRadioButton>

namespace {

const char* const kPrintFiles[] {"numbers3.txt", "numbers4.txt", "miniloto.txt", "loto6.txt"};

class QuickWindowTest : public WindowTest {
protected:
    void SetUp() override
    {
        stageQuickData();
        for (const char* file : kPrintFiles)
            write(file, "old\r\n");
    }
};

TEST_F(QuickWindowTest, OpensWithSetSelectedAndBothBoxesUnticked)
{
    open(&app::Navigator::openQuick);
    ASSERT_EQ(formOf(m_window), "Form6");
    EXPECT_EQ(m_window->windowTitle(), u"クイック予想"_qs);
    EXPECT_TRUE(control<QRadioButton>(m_window, "Option3")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(m_window, "Option3")->hasFocus());
    EXPECT_FALSE(control<QCheckBox>(m_window, "Check1")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(m_window, "Check2")->isChecked());
    // Qt lets Tab reach only the selected option of the group, as Windows does; the order is still
    // the window's.
    QStringList chain;
    for (QWidget* w = control(m_window, "Option3"); chain.size() < 7; w = w->nextInFocusChain()) {
        if (w->focusPolicy() != Qt::NoFocus)
            chain.append(w->objectName());
    }
    EXPECT_EQ(
        chain, QStringList({"Option3", "Option2", "Check1", "Check2", "Option1", "Command1", "Command2"}));
}

struct RunCase {
    bool five;
    bool add;
    const char* option;
    char playType;
};

class QuickRun : public QuickWindowTest, public testing::WithParamInterface<RunCase> { };

TEST_P(QuickRun, WritesAllFourFilesThenTheMainWindowReturns)
{
    const RunCase& c = GetParam();
    open(&app::Navigator::openQuick);
    if (c.five)
        click(m_window, "Check1");
    if (c.add)
        click(m_window, "Check2");
    if (c.option)
        click(m_window, c.option);
    click(m_window, "Command2");
    EXPECT_EQ(formOf(onlyWindow()), "Form1");
    EXPECT_TRUE(m_prompter.asked.isEmpty());
    const int count = c.five ? 5 : 10;
    for (const char* file : kPrintFiles) {
        const QByteArray after = content(file);
        EXPECT_EQ(after.startsWith("old\r\n"), c.add) << file;
        EXPECT_EQ(after.count('\n'), count + (c.add ? 1 : 0)) << file;
    }
    for (const char* file : {"numbers3.txt", "numbers4.txt"}) {
        const QList<QByteArray> lines = content(file).split('\n');
        EXPECT_EQ(lines.at(c.add ? 1 : 0).chopped(1).back(), c.playType) << file;
    }
}

INSTANTIATE_TEST_SUITE_P(Choices, QuickRun,
    testing::Values(RunCase {false, false, nullptr, 'C'}, RunCase {true, false, "Option1", 'A'},
        RunCase {false, true, "Option2", 'B'}));

TEST_F(QuickWindowTest, UnusableQuickDataIsNamedAndNothingIsWritten)
{
    // A bad line that looks like a placeholder is shown as it is.
    write("quick.dat", "123\r\n1%3\r\n");
    open(&app::Navigator::openQuick);
    click(m_window, "Command2");
    EXPECT_EQ(formOf(onlyWindow()), "Form6");
    ASSERT_EQ(m_prompter.asked.size(), 1);
    EXPECT_EQ(m_prompter.asked.first().text,
        u"予想データファイルを使えません。印刷ファイルは元のままです。\n\n"_qs
            + QDir::toNativeSeparators(filePath("quick.dat"))
            + u"\n2 行目「1%3」が３けたの数字ではありません。"_qs);
    for (const char* file : kPrintFiles)
        EXPECT_EQ(content(file), "old\r\n") << file;
}

TEST_F(QuickWindowTest, APrintFileThatCannotBeWrittenIsNamedWithWhatWasWritten)
{
    ASSERT_TRUE(QFile::remove(filePath("numbers4.txt")));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("numbers4.txt"));
    open(&app::Navigator::openQuick);
    click(m_window, "Command2");
    EXPECT_EQ(formOf(onlyWindow()), "Form6");
    ASSERT_EQ(m_prompter.asked.size(), 1);
    const QString text = m_prompter.asked.first().text;
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(filePath("numbers4.txt")))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(
        u"ナンバーズ３ には新しい予想を書き込みました。ナンバーズ４、ミニロト、ロト６ の印刷ファイルは元のままです。"_qs))
        << text.toStdString();
    EXPECT_EQ(content("numbers3.txt").count('\n'), 10);
    EXPECT_EQ(content("loto6.txt"), "old\r\n");
}

} // namespace
