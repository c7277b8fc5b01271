// The print setup: which printer the cards go to. A small modal dialog over the main window, as a
// message box is, so that one window at a time still holds.
#pragma once

#include "printing/printer_setup.h"

#include <QDialog>

class QLabel;
class QListWidget;

namespace ui {
struct Services;
}

namespace printing {

class PrinterDialog final : public QDialog {
    Q_OBJECT

public:
    // chosen: the printer chosen so far, empty for the system's default.
    PrinterDialog(const ui::Services& services, const QString& chosen, QWidget* parent);

private:
    void createList();
    void createDetails();
    void createButtons();
    // Selects the printer chosen so far and shows what it is.
    void showChosen();
    void connectControls();
    void showDetails();
    void keepChoice();

    const ui::Services& m_services;
    QString m_chosen;
    QList<printing::PrinterEntry> m_entries;
    QListWidget* m_list1 = nullptr;
    QList<QLabel*> m_details;
};

// Opens the print setup over parent and keeps what the user chooses in it. A choice that cannot be read
// is reported instead.
void setUpPrinter(const ui::Services& services, QWidget* parent);

} // namespace printing
