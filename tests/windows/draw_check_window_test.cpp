#include "window_fixture.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>

namespace {

class DrawCheckWindowTest : public WindowTest {
protected:
    void SetUp() override
    {
        write("loto6.txt", "010203040506\r\n010203040507\r\n010101010101\r\n");
        open(&app::Navigator::openDrawCheck);
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window));
    }

    void type(const char* name, const QString& text)
    {
        auto* box = control<QLineEdit>(m_window, name);
        box->setFocus();
        box->setText(text);
    }

    // Ctrl+A and Ctrl+C in the table: what lands on the clipboard.
    QString copied()
    {
        auto* grid = control<QTableView>(m_window, "Grid1");
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        return QGuiApplication::clipboard()->text();
    }
};

TEST_F(DrawCheckWindowTest, EnterChecksTheTypedDrawAndTheRowsCopyAsText)
{
    ASSERT_EQ(formOf(m_window), "frmDrawCheck");
    EXPECT_EQ(m_window->windowTitle(), u"当せん確認"_qs);
    QStringList chain;
    for (QWidget* w = control(m_window, "Combo1"); chain.size() < 4; w = w->nextInFocusChain()) {
        if (w->focusPolicy() != Qt::NoFocus)
            chain.append(w->objectName());
    }
    EXPECT_EQ(chain, QStringList({"Combo1", "Text1", "Command1", "Grid1"}));

    type("Text1", u"第1850回 2023/12/11 01,02,03,04,05,06 (07)"_qs);
    QTest::keyClick(control(m_window, "Text1"), Qt::Key_Return);
    EXPECT_TRUE(control(m_window, "Text1")->hasFocus());
    EXPECT_EQ(copied(),
        u"行\tセット\t一致\t等級\n"
        "1\t01-02-03-04-05-06\t01 02 03 04 05 06\t1等\n"
        "2\t01-02-03-04-05-07\t01 02 03 04 05 (ボーナス)\t2等\n"
        "3\t01-01-01-01-01-01\t01 01 01 01 01 01\t同じ数字が重複（発券できません）\n"_qs);
    EXPECT_TRUE(control<QLabel>(m_window, "Label3")->text().contains(u"1等 1件"_qs));
}

TEST_F(DrawCheckWindowTest, KeptDrawsAreCheckedAsARange)
{
    type("Text1", u"第1850回 2023/12/11 1 2 3 4 5 6 7"_qs);
    click(m_window, "Command3");
    type("Text1", u"第1851回 2023/12/14 1 2 3 10 11 12 13"_qs);
    click(m_window, "Command3");
    EXPECT_EQ(
        content("loto6_draws.csv"), "1850,2023/12/11,1,2,3,4,5,6,7\r\n1851,2023/12/14,1,2,3,10,11,12,13\r\n");

    type("Text2", u"1850"_qs);
    type("Text3", u"1851"_qs);
    click(m_window, "Command2");
    const QStringList rows = copied().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 7);
    EXPECT_EQ(rows.first(), u"回号\t行\tセット\t一致\t等級"_qs);
    EXPECT_TRUE(rows.at(4).startsWith(u"1851\t1\t"_qs)) << rows.at(4).toStdString();
    EXPECT_TRUE(rows.at(4).endsWith(u"\t5等"_qs)) << rows.at(4).toStdString();
}

TEST_F(DrawCheckWindowTest, APastedResultsTableIsShownThenKept)
{
    QGuiApplication::clipboard()->setText(
        u"回号,日付,本数字\n第1851回,2023/12/14,1,2,3,10,11,12,13,1口,2億円\n1850,2023/12/11,1,2,3,4,5,6,7\n"_qs);
    QString shown;
    const auto keep = [&shown](QDialog* dialog) {
        shown = control<QPlainTextEdit>(dialog, "Text1")->toPlainText();
        click(dialog, "cmdKeep");
    };
    ASSERT_NE(whileModal([this] { click(m_window, "Command5"); }, keep), nullptr);
    EXPECT_TRUE(shown.contains(u"読み取れた回: 2"_qs)) << shown.toStdString();
    EXPECT_TRUE(shown.contains(u"1 行目: "_qs)) << shown.toStdString();
    EXPECT_EQ(
        content("loto6_draws.csv"), "1850,2023/12/11,1,2,3,4,5,6,7\r\n1851,2023/12/14,1,2,3,10,11,12,13\r\n");
}

} // namespace
