#include "window_fixture.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QListWidget>

namespace {

class PrinterSetupTest : public WindowTest {
protected:
    void SetUp() override
    {
        m_printers.printers = {{"office", "A4", {210, 297}, {5, 5, 5, 5}, seams::PrinterState::Idle},
            {"office/cards", "A5", {148, 210}, {3, 4, 3, 4}, seams::PrinterState::Stopped}};
        m_printers.defaultPrinter = "office";
    }

    // Chooses "プリンタの設定..." in the main window and hands the dialog to act while it is open.
    void withSetup(const std::function<void(QDialog*)>& act)
    {
        QWidget* main = open();
        EXPECT_NE(whileModal([main] { control<QAction>(main, "prn")->trigger(); }, act), nullptr);
        EXPECT_EQ(formOf(onlyWindow()), "Form1");
    }

    static QStringList details(QDialog* dialog)
    {
        QStringList lines;
        for (const char* name : {"Label2", "Label3", "Label4", "Label5"})
            lines.append(control<QLabel>(dialog, name)->text());
        return lines;
    }
};

TEST_F(PrinterSetupTest, OpensOnThePrinterInUseAndLeavesItOnEsc)
{
    write("lotocard.ini", "[printer]\nname=office/cards\n");
    withSetup([](QDialog* dialog) {
        EXPECT_EQ(formOf(dialog), "frmPrinter");
        EXPECT_EQ(dialog->windowTitle(), u"プリンタの設定"_qs);
        auto* list = control<QListWidget>(dialog, "List1");
        ASSERT_EQ(list->count(), 3);
        EXPECT_EQ(list->item(0)->text(), u"通常使うプリンタ（システムの設定に従う）"_qs);
        EXPECT_EQ(list->currentRow(), 2);
        EXPECT_EQ(dialog->focusWidget(), list);
        EXPECT_EQ(details(dialog).at(3), u"状態: 停止中"_qs);
        QTest::keyClick(list, Qt::Key_Up);
        EXPECT_EQ(details(dialog).first(), u"プリンタ: office"_qs);
        QTest::keyClick(list, Qt::Key_Escape);
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_EQ(content("lotocard.ini"), "[printer]\nname=office/cards\n");
}

TEST_F(PrinterSetupTest, EnterKeepsTheSelectedPrinter)
{
    withSetup([](QDialog* dialog) {
        auto* list = control<QListWidget>(dialog, "List1");
        EXPECT_EQ(list->currentRow(), 0);
        EXPECT_EQ(details(dialog).first(), u"プリンタ: office（通常使うプリンタ）"_qs);
        QTest::keyClick(list, Qt::Key_End);
        QTest::keyClick(list, Qt::Key_Return);
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_EQ(content("lotocard.ini"), "[printer]\r\nname=office/cards\r\n");
}

TEST_F(PrinterSetupTest, ThePrintRunGoesToTheChosenPrinterAndNeverToAnother)
{
    write("loto6.txt", "011522304143\r\n");
    write("lotocard.ini", "[printer]\r\nname=office/cards\r\n");
    click(open(&app::Navigator::openCard, lotteries::Lottery::Loto6), "Command2");
    EXPECT_EQ(m_printers.runs, QStringList({"office/cards"}));
    EXPECT_EQ(m_printer.ends, 1);

    write("lotocard.ini", "[printer]\r\nname=gone\r\n");
    click(open(&app::Navigator::openCard, lotteries::Lottery::Loto6), "Command2");
    EXPECT_EQ(formOf(onlyWindow()), "Form7");
    EXPECT_EQ(m_prompter.asked,
        QList<ui::Prompt>({{u"ＬＯＴＯ６カード印刷"_qs,
            u"プリンタ「gone」が見つかりません。「プリンタの設定」で選び直してください。"_qs,
            ui::PromptIcon::Critical, ui::PromptButtons::Ok}}));
    EXPECT_EQ(m_printers.runs.size(), 1);
    EXPECT_EQ(m_printer.ends, 1);
}

} // namespace
