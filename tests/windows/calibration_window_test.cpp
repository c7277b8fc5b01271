#include "printing/print_run.h"
#include "window_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

const QByteArray kOwnLines = "; my printer\r\n\x83\x81\x83\x82\r\n";

class CalibrationWindowTest : public WindowTest {
protected:
    QLineEdit* box(const char* name) const { return control<QLineEdit>(m_window, name); }

    QStringList shown() const
    {
        return {box("Text1")->text(), box("Text2")->text(), box("Text3")->text(), box("Text4")->text()};
    }

    void writeSettings(const QByteArray& values) const { write("ravelov1.ini", kOwnLines + values); }
    QByteArray settingsFile() const { return content("ravelov1.ini"); }
};

TEST_F(CalibrationWindowTest, OpensOnTheFileWithCloseFocusedAndTheBoxesInTabOrder)
{
    writeSettings("2000\r\n1E999\r\n-.5\r\n360.5\r\n");
    open(&app::Navigator::openCalibration);
    ASSERT_EQ(formOf(m_window), "Form5");
    EXPECT_EQ(m_window->windowTitle(), u"印字位置の設定"_qs);
    EXPECT_EQ(shown(), QStringList({"2000", "1E999", "-0.5", "360"}));
    EXPECT_TRUE(control(m_window, "Command1")->hasFocus());
    QStringList chain;
    for (QWidget* w = control(m_window, "Command1"); chain.size() < 18; w = w->nextInFocusChain())
        chain.append(w->objectName());
    EXPECT_EQ(chain,
        QStringList({"Command1", "Text1", "Text2", "Text3", "Text4", "Command2", "Command3", "Command4",
            "Command5", "Command6", "Command7", "Command8", "Command9", "Command10", "Command11", "Combo1",
            "Command12", "Command13"}));
}

TEST_F(CalibrationWindowTest, AMissingFileIsCreatedWithTheDefaults)
{
    open(&app::Navigator::openCalibration);
    EXPECT_EQ(shown(), QStringList({"1975", "238", "90", "360"}));
    EXPECT_TRUE(settingsFile().endsWith("\r\n1975\r\n238\r\n90\r\n360\r\n"));
}

TEST_F(CalibrationWindowTest, EachRowsButtonsNudgeItsOwnBox)
{
    writeSettings("1975\r\n19.5\r\n90\r\n360\r\n");
    open(&app::Navigator::openCalibration);
    click(m_window, "Command2");
    EXPECT_EQ(box("Text1")->text(), "1976");
    click(m_window, "Command3");
    click(m_window, "Command3");
    EXPECT_EQ(box("Text1")->text(), "1974");
    click(m_window, "Command5");
    EXPECT_EQ(box("Text2")->text(), "20.5");
    click(m_window, "Command4");
    click(m_window, "Command4");
    EXPECT_EQ(box("Text2")->text(), "18.5");
    click(m_window, "Command7");
    EXPECT_EQ(box("Text3")->text(), "91");
    click(m_window, "Command6");
    click(m_window, "Command6");
    EXPECT_EQ(box("Text3")->text(), "89");
    click(m_window, "Command9");
    EXPECT_EQ(box("Text4")->text(), "361");
    click(m_window, "Command8");
    click(m_window, "Command8");
    EXPECT_EQ(box("Text4")->text(), "359");
    // Nothing is written until the user saves.
    EXPECT_EQ(settingsFile(), kOwnLines + "1975\r\n19.5\r\n90\r\n360\r\n");
}

TEST_F(CalibrationWindowTest, SaveWritesTheBoxesKeepsEveryOtherLineAndThePrintRunUsesThem)
{
    writeSettings("1975\r\n238\r\n90\r\n360\r\nline 7\r\n");
    write("loto6.txt", "011522304143\r\n");
    open(&app::Navigator::openCalibration);
    QTest::keyClicks(box("Text2"), "abc"); // after 238: 238abc
    box("Text3")->setText("abc");
    box("Text4")->setText("360.7");
    click(m_window, "Command11");
    EXPECT_EQ(formOf(onlyWindow()), "Form1");
    EXPECT_TRUE(m_prompter.asked.isEmpty());
    EXPECT_EQ(settingsFile(), kOwnLines + "1975\r\n238\r\n0\r\n360.7\r\nline 7\r\n");

    ASSERT_TRUE(printing::printCards(
        lotteries::PrintFile(lotteries::rulesOf(lotteries::Lottery::Loto6), QDir(m_dir.path())),
        QDir(m_dir.path()), m_printer)
                    .ok());
    writeSettings("1975\r\n238\r\n0\r\n361\r\n");
    fakes::RecordingSurface with361;
    ASSERT_TRUE(printing::printCards(
        lotteries::PrintFile(lotteries::rulesOf(lotteries::Lottery::Loto6), QDir(m_dir.path())),
        QDir(m_dir.path()), with361)
                    .ok());
    EXPECT_EQ(m_printer.cards, with361.cards);

    open(&app::Navigator::openCalibration);
    EXPECT_EQ(shown(), QStringList({"1975", "238", "0", "361"}));
}

TEST_F(CalibrationWindowTest, RestoreWritesTheDefaultsAndKeepsEveryOtherLine)
{
    writeSettings("1\r\n2\r\n3\r\n4\r\nline 7");
    open(&app::Navigator::openCalibration);
    box("Text1")->setText("5000");
    click(m_window, "Command10");
    EXPECT_EQ(formOf(onlyWindow()), "Form1");
    EXPECT_EQ(settingsFile(), kOwnLines + "1975\r\n238\r\n90\r\n360\r\nline 7\r\n");
    open(&app::Navigator::openCalibration);
    EXPECT_EQ(shown(), QStringList({"1975", "238", "90", "360"}));
}

TEST_F(CalibrationWindowTest, RestoreExtendsAShortFileToItsValues)
{
    write("ravelov1.ini", "; mine\r\n");
    open(&app::Navigator::openCalibration);
    click(m_window, "Command10");
    EXPECT_EQ(settingsFile(),
        "; mine\r\n; lines 3 to 6: horizontal start, horizontal step, vertical start, vertical step\r\n"
        "1975\r\n238\r\n90\r\n360\r\n");
}

TEST_F(CalibrationWindowTest, CloseAndTheCloseBoxLeaveTheFileAsItWas)
{
    const QByteArray before = kOwnLines + "1975\r\n238\r\n90\r\n360.5";
    write("ravelov1.ini", before);
    for (const bool closeBox : {false, true}) {
        open(&app::Navigator::openCalibration);
        box("Text1")->setText("1");
        click(m_window, "Command9");
        if (closeBox)
            m_window->close();
        else
            click(m_window, "Command1");
        EXPECT_EQ(formOf(onlyWindow()), "Form1");
        EXPECT_EQ(settingsFile(), before);
    }
}

TEST_F(CalibrationWindowTest, AValueTooLargeToWriteIsNamedAndNothingIsSaved)
{
    writeSettings("1975\r\n238\r\n90\r\n360\r\n");
    open(&app::Navigator::openCalibration);
    box("Text2")->setText("1E999");
    click(m_window, "Command11");
    ASSERT_EQ(m_prompter.asked.size(), 1);
    EXPECT_EQ(m_prompter.asked.first().text, u"「横ステップ」の値「1E999」は大きすぎて書き込めません。"_qs);
    EXPECT_EQ(formOf(onlyWindow()), "Form5");
    EXPECT_TRUE(box("Text2")->hasFocus());
    EXPECT_EQ(settingsFile(), kOwnLines + "1975\r\n238\r\n90\r\n360\r\n");
}

TEST_F(CalibrationWindowTest, AFileThatCannotBeWrittenIsReportedAndTheEditsStay)
{
    open(&app::Navigator::openCalibration);
    ASSERT_TRUE(QFile::remove(filePath("ravelov1.ini")));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("ravelov1.ini"));
    box("Text1")->setText("2000");
    for (const char* button : {"Command11", "Command10"}) {
        m_prompter.asked.clear();
        click(m_window, button);
        ASSERT_EQ(m_prompter.asked.size(), 1) << button;
        EXPECT_TRUE(
            m_prompter.asked.first().text.contains(QDir::toNativeSeparators(filePath("ravelov1.ini"))))
            << button;
        EXPECT_EQ(formOf(onlyWindow()), "Form5") << button;
        EXPECT_EQ(box("Text1")->text(), "2000");
    }
}

TEST_F(CalibrationWindowTest, AFileThatCannotBeReadIsReportedAndTheMainWindowReturns)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("ravelov1.ini"));
    EXPECT_EQ(formOf(open(&app::Navigator::openCalibration)), "Form1");
    EXPECT_EQ(m_prompter.asked.size(), 1);
}

TEST_F(CalibrationWindowTest, ATestSheetIsOnePageWithTheValuesInTheBoxesSavedOrNot)
{
    writeSettings("1975\r\n238\r\n90\r\n360\r\n");
    m_printers.printers = {{"office", "A4", {210, 297}, {5, 5, 5, 5}, seams::PrinterState::Idle}};
    m_printers.defaultPrinter = "office";
    open(&app::Navigator::openCalibration);
    auto* lottery = control<QComboBox>(m_window, "Combo1");
    EXPECT_EQ(lottery->currentText(), u"ロト６"_qs);
    lottery->setCurrentIndex(1);
    EXPECT_EQ(lottery->currentText(), u"ミニロト"_qs);
    box("Text1")->setText("2000");
    click(m_window, "Command12");
    // MINILOTO's R1, slot 1's 10, from a horizontal start of 2000 + 80.
    ASSERT_EQ(m_printer.cards.size(), 1);
    EXPECT_EQ(m_printer.cards.first().first(), (fakes::RecordingSurface::Box {6840, 81, 6800, 281}));
    EXPECT_EQ(m_printer.ends, 1);
    EXPECT_EQ(formOf(onlyWindow()), "Form5");
    EXPECT_EQ(settingsFile(), kOwnLines + "1975\r\n238\r\n90\r\n360\r\n");
    EXPECT_TRUE(m_prompter.asked.isEmpty());
}

TEST_F(CalibrationWindowTest, ATestSheetThePrinterRefusesIsReportedAndTheWindowStays)
{
    writeSettings("1975\r\n238\r\n90\r\n360\r\n");
    m_printers.printers = {{"office", "A4", {210, 297}, {5, 5, 5, 5}, seams::PrinterState::Idle}};
    m_printers.defaultPrinter = "office";
    m_printer.failEndAt = 1;
    open(&app::Navigator::openCalibration);
    click(m_window, "Command12");
    EXPECT_EQ(formOf(onlyWindow()), "Form5");
    EXPECT_EQ(m_prompter.asked,
        QList<ui::Prompt>({{u"印字位置の設定"_qs,
            u"job lost\n1 枚目のカードで印刷を止めました。プリンタに送ったカードはありません。"_qs,
            ui::PromptIcon::Critical, ui::PromptButtons::Ok}}));
    EXPECT_EQ(settingsFile(), kOwnLines + "1975\r\n238\r\n90\r\n360\r\n");
}

TEST_F(CalibrationWindowTest, TheAlignmentPutsItsCorrectionIntoTheBoxesOnly)
{
    writeSettings("1975\r\n238\r\n90\r\n360\r\n");
    open(&app::Navigator::openCalibration);
    const auto align = [this](const std::function<void(QDialog*)>& act) {
        return whileModal([this] { click(m_window, "Command13"); }, act);
    };
    EXPECT_NE(align([](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), u"位置合わせ"_qs);
        EXPECT_EQ(dialog->focusWidget(), control(dialog, "Text1"));
        QTest::keyClicks(control(dialog, "Text2"), "abc");
        QTest::keyClick(control(dialog, "Text2"), Qt::Key_Return);
        EXPECT_TRUE(dialog->isVisible());
        QTest::keyClick(dialog, Qt::Key_Escape);
    }),
        nullptr);
    ASSERT_EQ(m_prompter.asked.size(), 1);
    EXPECT_EQ(m_prompter.asked.first().text, u"「R1 縦」の値「abc」は数ではありません。"_qs);
    EXPECT_EQ(shown(), QStringList({"1975", "238", "90", "360"}));

    // Both marks 1 mm right of their outlines: the start moves 57 twips right, nothing else.
    align([](QDialog* dialog) {
        // Typed in full width, as a Japanese input method may give it.
        control<QLineEdit>(dialog, "Text1")->setText(u"１．０"_qs);
        QTest::keyClicks(control(dialog, "Text3"), "1");
        EXPECT_EQ(control<QLabel>(dialog, "Label6")->text(), u"横開始位置 +57"_qs);
        QTest::keyClick(control(dialog, "Text3"), Qt::Key_Return);
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_EQ(shown(), QStringList({"2032", "238", "90", "360"}));
    EXPECT_EQ(settingsFile(), kOwnLines + "1975\r\n238\r\n90\r\n360\r\n");
}

} // namespace
