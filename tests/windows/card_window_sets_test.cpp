// Sets brought into a card window and sets picked in its list: pasted, copied, deleted and printed.
#include "printing/print_run.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QListView>
#include <QMimeData>

namespace {

constexpr char kFile[] = "011522304143\r\n020304050607\r\n010203040506\r\n";

class CardWindowSets : public WindowTest {
protected:
    void SetUp() override
    {
        write("loto6.txt", kFile);
        open(&app::Navigator::openCard, lotteries::Lottery::Loto6);
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window));
        m_list = control<QListView>(m_window, "List1");
        m_list->setFocus();
    }

    void pick(std::initializer_list<int> rows) const
    {
        m_list->clearSelection();
        for (const int row : rows)
            m_list->selectionModel()->select(m_list->model()->index(row, 0), QItemSelectionModel::Select);
    }

    QListView* m_list = nullptr;
};

TEST_F(CardWindowSets, PastedLinesAreShownThenTheAcceptedOnesAdded)
{
    QGuiApplication::clipboard()->setText(u"1 2 3 4 5 6\n\n01,02,03,04,05,44\n  7  10-20-30-31-32-33\n"_qs);
    QStringList shown;
    const auto add = [&shown](QDialog* dialog) {
        auto* model = control<QListView>(dialog, "List1")->model();
        for (int row = 0; row < model->rowCount(); ++row)
            shown.append(model->index(row, 0).data().toString());
        click(dialog, "cmdAdd");
    };
    ASSERT_NE(whileModal([this] { QTest::keyClick(m_list, Qt::Key_V, Qt::ControlModifier); }, add), nullptr);
    ASSERT_EQ(shown.size(), 3);
    EXPECT_TRUE(shown.at(1).startsWith(u"3 行目"_qs)) << shown.at(1).toStdString();
    EXPECT_EQ(content("loto6.txt"), QByteArray(kFile) + "010203040506\r\n102030313233\r\n");
    ASSERT_FALSE(m_prompter.asked.isEmpty());
    EXPECT_EQ(m_prompter.asked.last().text, u"2 件を追加しました。追加できない行は 1 件でした。"_qs);
}

// A file dropped on the window, as the desktop drops one.
void drop(QWidget* window, const QString& path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &dropped);
}

TEST_F(CardWindowSets, ADroppedTextFileIsShownAndOtherFilesAreRefusedByName)
{
    write("sets.txt", "1 2 3 4 5 6\r\n");
    const auto add = [](QDialog* dialog) { click(dialog, "cmdAdd"); };
    ASSERT_NE(whileModal([this] { drop(m_window, filePath("sets.txt")); }, add), nullptr);
    EXPECT_EQ(content("loto6.txt"), QByteArray(kFile) + "010203040506\r\n");

    write("picture.png", QByteArray("\x89PNG\0\0", 6));
    drop(m_window, filePath("picture.png"));
    ASSERT_FALSE(m_prompter.asked.isEmpty());
    EXPECT_TRUE(m_prompter.asked.last().text.contains(u"テキストファイルではありません"_qs));
    EXPECT_TRUE(m_prompter.asked.last().text.contains(QDir::toNativeSeparators(filePath("picture.png"))));
}

TEST_F(CardWindowSets, PickedSetsCopyAndDeleteAfterOneQuestion)
{
    pick({2, 0});
    QTest::keyClick(m_list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"011522304143\n010203040506\n"_qs);

    QTest::keyClick(m_list, Qt::Key_Delete);
    ASSERT_EQ(m_prompter.asked.size(), 1);
    EXPECT_EQ(m_prompter.asked.first().text, u"選択の 2 件のデータを削除します。\rよろしいですか？！！"_qs);
    EXPECT_EQ(content("loto6.txt"), "020304050607\r\n");
}

TEST_F(CardWindowSets, APrintedSelectionMarksWhatThoseSetsPrintedWholeMark)
{
    EXPECT_FALSE(control(m_window, "Command7")->isEnabled());
    pick({0, 2});
    ASSERT_TRUE(control(m_window, "Command7")->isEnabled());
    click(m_window, "Command7");

    QTemporaryDir whole;
    QFile::copy(filePath("ravelov1.ini"), QDir(whole.path()).filePath("ravelov1.ini"));
    QFile file(QDir(whole.path()).filePath("loto6.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("011522304143\r\n010203040506\r\n");
    file.close();
    fakes::RecordingSurface expected;
    ASSERT_TRUE(printing::printCards(
        lotteries::PrintFile(lotteries::rulesOf(lotteries::Lottery::Loto6), QDir(whole.path())),
        QDir(whole.path()), expected)
                    .ok());
    EXPECT_EQ(m_printer.cards, expected.cards);
    EXPECT_EQ(content("loto6.txt"), kFile);
}

} // namespace
