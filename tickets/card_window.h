// The card window of a lottery: register, list, delete and clear the sets of its print file.
// One design serves all four lotteries; each lottery's window (Form2, Form3, Form4, Form7) is this class
// made with that lottery's design.
#pragma once

#include "lotteries/print_file.h"
#include "printing/print_run.h"
#include "tickets/stale_click.h"
#include "ui/other_window.h"

class QLineEdit;
class QListView;
class QPushButton;

namespace tickets {

struct CardWindowDesign;
class TicketListModel;

class CardWindow final : public ui::OtherWindow {
    Q_OBJECT

public:
    CardWindow(const CardWindowDesign& design, ui::Navigation& navigation);

protected:
    void onLoad() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildUi(const CardWindowDesign& design);
    void registerEntry();
    void deleteSelected();
    // The Delete key: one selected entry as a double click deletes it, several after one question.
    void deleteSeveral();
    // The selected entries' print-file lines, in the list's order.
    core::Lines selectedLines() const;
    void copySelected();
    // Shows the sets of the text in "まとめて追加" and adds those accepted when the user says so.
    void addSets(const QString& text);
    void printSelection();
    void clearPrintFile();
    void startPrintRun();
    void showPreview();
    void showPrintFailure(const printing::PrintFailure& failure);
    // Lists the print file as it stands; a file that cannot be read is named in a message.
    void showList();
    // Lists the print file again when it changed since it was last listed, as another copy of the program
    // or a text editor may have changed it while the user was away from the window; the selected entry
    // stays selected when it is still on its row.
    void showListIfChanged();
    void showFailure(const core::FileFailure& failure);

    const lotteries::LotteryRules& m_rules;
    lotteries::PrintFile m_printFile;
    QLineEdit* m_text1 = nullptr;
    QListView* m_list1 = nullptr;
    QPushButton* m_command7 = nullptr;
    // The print file's lines, each made into its list line only when the list draws it.
    TicketListModel* m_lines = nullptr;
    StaleClick m_staleClick;
};

CardWindow* createCardWindow(lotteries::Lottery lottery, ui::Navigation& navigation);

} // namespace tickets
