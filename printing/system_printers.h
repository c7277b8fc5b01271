// The system's own printers, through Qt's print support (CUPS on Linux).
#pragma once

#include "printing/painter_surface.h"
#include "seams/printers.h"

#include <QtPrintSupport/qtprintsupportglobal.h>

class QPrinter;
class QTemporaryDir;

namespace printing {

class SystemPrinters final : public seams::Printers {
public:
    QStringList names() const override;
    QString defaultName() const override;
    std::optional<seams::PrinterDescription> describe(const QString& name) const override;
    std::unique_ptr<seams::PrintSurface> cards(const QString& name, const seams::Drawing& underlay) override;
};

// The sheets of a printer, empty for the system's default, which is looked up afresh for every card;
// each card is one print job, and a card counts as sent only once the printing system took its job.
class PrinterSheets final : public SheetSource {
public:
    explicit PrinterSheets(QString name);
    ~PrinterSheets() override;

    seams::PrintStep begin(QPainter& painter) override;
    seams::PrintStep finish(QPainter& painter) override;

private:
    QString m_name;
#if QT_CONFIG(cups)
    // The card being drawn is a file in here until the scheduler has answered for its job.
    std::unique_ptr<QTemporaryDir> m_folder;
#endif
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace printing
