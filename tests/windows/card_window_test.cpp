#include "row_name.h"
#include "window_fixture.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QScrollBar>
#include <cstring>
#include <tuple>

namespace {

const ui::Prompt kRefusal {
    u"番号が不正です"_qs, u"登録できません"_qs, ui::PromptIcon::Critical, ui::PromptButtons::Ok};
ui::Prompt deleteQuestion(const QString& entry)
{
    return {u"データ削除"_qs, u"選択のデータを削除します。\rよろしいですか？！！\r"_qs + entry,
        ui::PromptIcon::Exclamation, ui::PromptButtons::YesNo};
}

class CardWindowTest : public WindowTest {
protected:
    QLineEdit* entryBox() const { return control<QLineEdit>(m_window, "Text1"); }
    QListView* list() const { return control<QListView>(m_window, "List1"); }
    int rows() const { return list()->model()->rowCount(); }

    QStringList listed() const
    {
        QStringList lines;
        for (int row = 0; row < rows(); ++row)
            lines.append(list()->model()->index(row, 0).data().toString());
        return lines;
    }

    void type(const QString& text) const
    {
        entryBox()->clear();
        QTest::keyClicks(entryBox(), text);
    }

    void doubleClickRow(int row) const
    {
        const QRect rect = list()->visualRect(list()->model()->index(row, 0));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
    }

    // A double click on the row as the mouse makes it, its second press 200 ms after the first, and
    // between run after the first press.
    void doubleClickAt(int row, quint64 ms, const std::function<void()>& between) const
    {
        const QPointF at = list()->visualRect(list()->model()->index(row, 0)).center();
        const auto send = [&](QEvent::Type type, quint64 after, Qt::MouseButtons held) {
            QMouseEvent event(type, at, list()->viewport()->mapToGlobal(at), Qt::LeftButton, held, {});
            event.setTimestamp(ms + after);
            QApplication::sendEvent(list()->viewport(), &event);
        };
        send(QEvent::MouseButtonPress, 0, Qt::LeftButton);
        between();
        send(QEvent::MouseButtonRelease, 100, {});
        send(QEvent::MouseButtonPress, 200, Qt::LeftButton);
        send(QEvent::MouseButtonDblClick, 200, Qt::LeftButton);
    }

    void comeBack() const
    {
        QEvent activated(QEvent::ActivationChange);
        QApplication::sendEvent(m_window, &activated);
    }
};

TEST_F(CardWindowTest, OpeningCreatesAMissingPrintFileAndShowsAnEmptyList)
{
    open(&app::Navigator::openCard, lotteries::Lottery::MiniLoto);
    EXPECT_EQ(content("miniloto.txt"), QByteArray());
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_TRUE(entryBox()->text().isEmpty());
    EXPECT_TRUE(entryBox()->hasFocus());
}

TEST_F(CardWindowTest, OpeningListsTheFileAsItStands)
{
    write("numbers3.txt", "123A\r\n705C\r\n");
    open(&app::Navigator::openCard, lotteries::Lottery::Numbers3);
    EXPECT_EQ(listed(), QStringList({"  1  1-2-3.A", "  2  7-0-5.C"}));
}

TEST_F(CardWindowTest, RegisterAppendsTheTrimmedEntryAsTheLotteryStoresItAndListsIt)
{
    write("numbers4.txt", "first\r\n");
    open(&app::Navigator::openCard, lotteries::Lottery::Numbers4);
    type(" 1234a ");
    click(m_window, "Command4");
    EXPECT_EQ(content("numbers4.txt"), "first\r\n1234A\r\n");
    ASSERT_EQ(rows(), 2);
    EXPECT_EQ(listed().at(1), "  2  1-2-3-4.A");
    EXPECT_TRUE(entryBox()->text().isEmpty());
    EXPECT_TRUE(m_prompter.asked.isEmpty());
}

TEST_F(CardWindowTest, ARefusedEntryShowsTheOneBoxWritesNothingAndKeepsTheTrimmedText)
{
    write("loto6.txt", "keep");
    open(&app::Navigator::openCard, lotteries::Lottery::Loto6);
    type(" 011522304144 ");
    click(m_window, "Command4");
    EXPECT_EQ(m_prompter.asked, QList<ui::Prompt>({kRefusal}));
    EXPECT_EQ(content("loto6.txt"), QByteArray("keep"));
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(entryBox()->text(), "011522304144");
}

TEST_F(CardWindowTest, EnterInTheEntryBoxDoesNotRegister)
{
    open(&app::Navigator::openCard, lotteries::Lottery::Loto6);
    type("011522304143");
    QTest::keyClick(entryBox(), Qt::Key_Return);
    EXPECT_EQ(content("loto6.txt"), QByteArray());
    EXPECT_EQ(entryBox()->text(), "011522304143");
}

TEST_F(CardWindowTest, DeleteAnsweredYesRemovesTheEntryAndRenumbers)
{
    write("numbers4.txt", "1234A\r\n5678B\r\n9012C\r\n");
    open(&app::Navigator::openCard, lotteries::Lottery::Numbers4);
    doubleClickRow(1);
    EXPECT_EQ(m_prompter.asked, QList<ui::Prompt>({deleteQuestion("  2  5-6-7-8.B")}));
    EXPECT_EQ(content("numbers4.txt"), QByteArray("1234A\r\n9012C\r\n"));
    EXPECT_EQ(listed(), QStringList({"  1  1-2-3-4.A", "  2  9-0-1-2.C"}));
}

TEST_F(CardWindowTest, DeleteAnsweredNoChangesNothing)
{
    write("miniloto.txt", "0102030405\r\n\r\n0109172531");
    open(&app::Navigator::openCard, lotteries::Lottery::MiniLoto);
    m_prompter.answers = {ui::PromptAnswer::No};
    doubleClickRow(0);
    EXPECT_EQ(m_prompter.asked.size(), 1);
    EXPECT_EQ(content("miniloto.txt"), QByteArray("0102030405\r\n\r\n0109172531"));
    EXPECT_EQ(rows(), 3);
}

// The print file rewritten by another program after the list was shown: the entry picked, 123A, is
// deleted where it now stands, or nothing is when it has gone.
struct ChangedFileCase {
    const char* name;
    QByteArray rewritten;
    QByteArray after;
    QStringList listed;
};

class DeleteFromAChangedFile : public CardWindowTest, public testing::WithParamInterface<ChangedFileCase> { };

TEST_P(DeleteFromAChangedFile, RemovesThePickedEntryAsTheFileNowHoldsIt)
{
    write("numbers3.txt", "123A\r\n456B\r\n789C\r\n");
    open(&app::Navigator::openCard, lotteries::Lottery::Numbers3);
    write("numbers3.txt", GetParam().rewritten);
    const bool gone = GetParam().rewritten == GetParam().after;
    m_prompter.answers = {ui::PromptAnswer::Yes, ui::PromptAnswer::Ok};
    doubleClickRow(0);
    ASSERT_EQ(m_prompter.asked.size(), gone ? 2 : 1);
    if (gone) {
        EXPECT_EQ(m_prompter.asked.at(1).title, u"データ削除"_qs);
        EXPECT_TRUE(
            m_prompter.asked.at(1).text.startsWith(u"選択のデータは印刷ファイルにもうありません。"_qs));
    }
    EXPECT_EQ(content("numbers3.txt"), GetParam().after);
    EXPECT_EQ(listed(), GetParam().listed);
}

INSTANTIATE_TEST_SUITE_P(Rewritten, DeleteFromAChangedFile,
    testing::Values(ChangedFileCase {"Moved", "999A\r\n456B\r\n123A\r\n", "999A\r\n456B\r\n",
                        {"  1  9-9-9.A", "  2  4-5-6.B"}},
        ChangedFileCase {"Gone", "999A\r\n888B\r\n", "999A\r\n888B\r\n", {"  1  9-9-9.A", "  2  8-8-8.B"}}),
    rowName);

TEST_F(CardWindowTest, RegisterAfterAnotherCopyDeletedLinesBringsNothingBack)
{
    write("numbers4.txt", "1234A\r\n5678B\r\n9012C\r\n");
    open(&app::Navigator::openCard, lotteries::Lottery::Numbers4);
    write("numbers4.txt", "5678B\r\n");
    type("3456C");
    click(m_window, "Command4");
    EXPECT_EQ(content("numbers4.txt"), QByteArray("5678B\r\n3456C\r\n"));
    EXPECT_EQ(listed(), QStringList({"  1  5-6-7-8.B", "  2  3-4-5-6.C"}));
}

TEST_F(CardWindowTest, ComingBackToTheWindowListsTheFileAsItIsNow)
{
    write("loto6.txt", "011522304143\r\n");
    open(&app::Navigator::openCard, lotteries::Lottery::Loto6);
    list()->setCurrentIndex(list()->model()->index(0, 0));
    QEvent activated(QEvent::ActivationChange);
    // Unchanged, the list stays as it was, its selection too.
    QApplication::sendEvent(m_window, &activated);
    EXPECT_TRUE(list()->selectionModel()->hasSelection());
    write("loto6.txt", "011522304143\r\n010203040506\r\n");
    QApplication::sendEvent(m_window, &activated);
    EXPECT_EQ(rows(), 2);
}

TEST_F(CardWindowTest, ComingBackListsARewriteThatKeptTheFilesSizeAndTimes)
{
    write("numbers4.txt", "1111A\r\n2222B\r\n");
    open(&app::Navigator::openCard, lotteries::Lottery::Numbers4);
    // Through a mapping of the file the second write keeps the times the first set, as a rewrite within
    // one tick of the file system's clock does.
    QFile file(filePath("numbers4.txt"));
    uchar* bytes = file.open(QIODevice::ReadWrite) ? file.map(0, file.size()) : nullptr;
    ASSERT_NE(bytes, nullptr);
    std::memcpy(bytes, "1111A\r\n2222B\r\n", 14);
    comeBack();
    const auto stamp = [&file] {
        const QFileInfo info(file.fileName());
        return std::tuple(info.size(), info.lastModified(), info.metadataChangeTime());
    };
    const auto before = stamp();
    std::memcpy(bytes, "2222B\r\n1111A\r\n", 14);
    ASSERT_EQ(stamp(), before);
    comeBack();
    EXPECT_EQ(listed(), QStringList({"  1  2-2-2-2.B", "  2  1-1-1-1.A"}));
}

TEST_F(CardWindowTest, ComingBackKeepsTheSelectionWhileItsEntryIsOnItsRow)
{
    write("numbers4.txt", "1111A\r\n2222B\r\n3333C\r\n");
    open(&app::Navigator::openCard, lotteries::Lottery::Numbers4);
    list()->setCurrentIndex(list()->model()->index(1, 0));
    write("numbers4.txt", "0000D\r\n2222B\r\n");
    comeBack();
    EXPECT_EQ(list()->selectionModel()->selectedIndexes(), QModelIndexList({list()->model()->index(1, 0)}));
    write("numbers4.txt", "2222B\r\n3333C\r\n");
    comeBack();
    EXPECT_EQ(listed().first(), "  1  2-2-2-2.B");
    EXPECT_FALSE(list()->selectionModel()->hasSelection());
}

// Another copy deleted 1111A while this one was inactive, and the user double-clicks 2222B where this
// one still shows it: coming back lists the file again before the first press is seen or after it.
class DoubleClickOnAnOldList : public CardWindowTest, public testing::WithParamInterface<bool> { };

TEST_P(DoubleClickOnAnOldList, DeletesNothingUntilTheNewListIsDrawn)
{
    write("numbers4.txt", "1111A\r\n2222B\r\n3333C\r\n");
    open(&app::Navigator::openCard, lotteries::Lottery::Numbers4);
    write("numbers4.txt", "2222B\r\n3333C\r\n");
    if (!GetParam())
        comeBack();
    doubleClickAt(1, 1000, [this] {
        if (GetParam()) {
            comeBack();
            settle();
        }
    });
    EXPECT_EQ(content("numbers4.txt"), QByteArray("2222B\r\n3333C\r\n"));
    settle();
    doubleClickAt(1, 2000, [] {});
    EXPECT_EQ(m_prompter.asked, QList<ui::Prompt>({deleteQuestion("  2  3-3-3-3.C")}));
}

INSTANTIATE_TEST_SUITE_P(ListedAgain, DoubleClickOnAnOldList, testing::Bool());

TEST_F(CardWindowTest, RegisterAndDeleteLeaveTheListScrolledWhereItWas)
{
    write("numbers4.txt", QByteArray("1234A\r\n").repeated(200));
    open(&app::Navigator::openCard, lotteries::Lottery::Numbers4);
    QScrollBar* scroll = list()->verticalScrollBar();
    scroll->setValue(120);
    type("5678B");
    click(m_window, "Command4");
    settle();
    EXPECT_EQ(scroll->value(), 120);
    doubleClickRow(125);
    settle();
    EXPECT_EQ(rows(), 200);
    EXPECT_EQ(scroll->value(), 120);
}

TEST_F(CardWindowTest, DoubleClickBelowTheEntriesDeletesTheSelectedOneOrNothing)
{
    write("numbers3.txt", "123A\r\n705C\r\n");
    open(&app::Navigator::openCard, lotteries::Lottery::Numbers3);
    const QPoint belowEntries(5, list()->viewport()->height() - 5);
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, belowEntries);
    EXPECT_TRUE(m_prompter.asked.isEmpty());
    EXPECT_EQ(content("numbers3.txt"), QByteArray("123A\r\n705C\r\n"));

    list()->setCurrentIndex(list()->model()->index(1, 0));
    // A double click begins with a click, which must not take the selection away.
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, belowEntries);
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, belowEntries);
    EXPECT_EQ(m_prompter.asked, QList<ui::Prompt>({deleteQuestion("  2  7-0-5.C")}));
    EXPECT_EQ(content("numbers3.txt"), QByteArray("123A\r\n"));
}

TEST_F(CardWindowTest, ClearEmptiesFileAndListWithoutAQuestionAndKeepsTheEntryBox)
{
    write("loto6.txt", "011522304143\r\n010203040506\r\n");
    open(&app::Navigator::openCard, lotteries::Lottery::Loto6);
    type("0115");
    click(m_window, "Command3");
    EXPECT_EQ(content("loto6.txt"), QByteArray());
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_EQ(entryBox()->text(), "0115");
    EXPECT_TRUE(m_prompter.asked.isEmpty());
}

TEST_F(CardWindowTest, APrintFileThatCannotBeOpenedIsNamedInAMessage)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("numbers4.txt"));
    open(&app::Navigator::openCard, lotteries::Lottery::Numbers4);
    ASSERT_EQ(m_prompter.asked.size(), 1);
    EXPECT_EQ(m_prompter.asked.first().buttons, ui::PromptButtons::Ok);
    EXPECT_TRUE(m_prompter.asked.first().text.contains(QDir::toNativeSeparators(filePath("numbers4.txt"))));
    EXPECT_TRUE(listed().isEmpty());
}

TEST_F(CardWindowTest, AFailedRegisterKeepsTheEntryAndTheFile)
{
    write("loto6.txt", "010203040506\r\n");
    open(&app::Navigator::openCard, lotteries::Lottery::Loto6);
    // The print file turns into something that cannot be replaced while the window is open.
    ASSERT_TRUE(QFile::remove(filePath("loto6.txt")));
    ASSERT_TRUE(QDir(m_dir.path()).mkpath("loto6.txt/inside"));
    type("011522304143");
    click(m_window, "Command4");
    ASSERT_FALSE(m_prompter.asked.isEmpty());
    EXPECT_TRUE(m_prompter.asked.first().text.contains(QDir::toNativeSeparators(filePath("loto6.txt"))));
    EXPECT_EQ(entryBox()->text(), "011522304143");
    EXPECT_TRUE(QFileInfo(filePath("loto6.txt/inside")).isDir());
}

struct PrintCase {
    lotteries::Lottery lottery;
    const char* form;
    const char* file;
    QByteArray lines;
    fakes::RecordingSurface::Box firstBox;
};

class PrintStart : public CardWindowTest, public testing::WithParamInterface<PrintCase> { };

TEST_P(PrintStart, PrintsThePrintFileThenTheMainWindowReturns)
{
    const PrintCase& c = GetParam();
    write(c.file, c.lines);
    open(&app::Navigator::openCard, c.lottery);
    ASSERT_EQ(formOf(m_window), c.form);
    click(m_window, "Command2");
    EXPECT_EQ(formOf(onlyWindow()), "Form1");
    ASSERT_EQ(m_printer.cards.size(), 2);
    EXPECT_EQ(m_printer.cards.first().first(), c.firstBox);
    EXPECT_EQ(m_printer.ends, 2);
    EXPECT_EQ(content(c.file), c.lines);
    EXPECT_TRUE(m_prompter.asked.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Lotteries, PrintStart,
    testing::Values(PrintCase {lotteries::Lottery::Loto6, "Form7", "loto6.txt",
                        QByteArray("011522304143\r\n").repeated(6), {6735, 3330, 6695, 3530}},
        PrintCase {lotteries::Lottery::MiniLoto, "Form2", "miniloto.txt",
            QByteArray("0109172531\r\n").repeated(7), {6814, 3321, 6774, 3521}},
        PrintCase {lotteries::Lottery::Numbers4, "Form3", "numbers4.txt",
            QByteArray("1234A\r\n").repeated(10), {6716, 2970, 6676, 3170}},
        PrintCase {lotteries::Lottery::Numbers3, "Form4", "numbers3.txt", QByteArray("123A\r\n").repeated(9),
            {6719, 2970, 6679, 3170}}));

TEST_F(CardWindowTest, PrintingAnEmptyPrintFileJustReturns)
{
    open(&app::Navigator::openCard, lotteries::Lottery::Numbers3);
    click(m_window, "Command2");
    EXPECT_EQ(formOf(onlyWindow()), "Form1");
    EXPECT_EQ(m_printer.ends, 0);
}

TEST_F(CardWindowTest, APrintRunThatStopsSaysWhyUnderTheWindowsTitleAndTheWindowStays)
{
    const QByteArray lines = QByteArray("011522304143\r\n").repeated(6);
    write("loto6.txt", lines);
    m_printer.failEndAt = 2;
    open(&app::Navigator::openCard, lotteries::Lottery::Loto6);
    click(m_window, "Command2");
    EXPECT_EQ(formOf(onlyWindow()), "Form7");
    EXPECT_EQ(m_prompter.asked,
        QList<ui::Prompt>({{u"ＬＯＴＯ６カード印刷"_qs,
            u"job lost\n2 枚目のカードで印刷を止めました。1 枚目のカードはプリンタに送りました。"_qs,
            ui::PromptIcon::Critical, ui::PromptButtons::Ok}}));
    EXPECT_EQ(content("loto6.txt"), lines);
}

} // namespace
