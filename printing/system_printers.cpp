#include "printing/system_printers.h"

#include "printing/printer_messages.h"

#include <QPrinter>
#include <QPrinterInfo>

#if QT_CONFIG(cups)
#include <QFile>
#include <QTemporaryDir>
#include <cups/cups.h>
#endif

namespace printing {

namespace {

#if QT_CONFIG(cups)
// The file in the card's temporary folder that the card is drawn into. Without the .pdf suffix the
// printer keeps Qt's CUPS engine, with the printer's own page layout, which writes its job into the file
// rather than sending it.
constexpr QLatin1StringView kCardFile("card");

// A printer as CUPS names it: the queue, and the instance (a null array for none), which is only a set
// of options kept for the queue.
struct Destination {
    QByteArray queue;
    QByteArray instance;
};

Destination destinationOf(const QString& printerName)
{
    const qsizetype slash = printerName.indexOf(u'/');
    if (slash < 0)
        return {printerName.toUtf8(), {}};
    return {printerName.first(slash).toUtf8(), printerName.sliced(slash + 1).toUtf8()};
}

// Adds the options a print on the printer gets from the user's and the system's printer settings
// (lpoptions), as the lp command passes them: for a CUPS instance, what makes it an instance, such as
// the manual feed. The paper is left to the page size, which already is the printer's own, and the
// sides to the printer's duplex mode.
int addSettingsOptions(const Destination& destination, int count, cups_option_t** options)
{
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, destination.queue.constData(),
        destination.instance.isNull() ? nullptr : destination.instance.constData());
    if (!dest)
        return count;
    for (int i = 0; i < dest->num_options; ++i) {
        const QByteArrayView name(dest->options[i].name);
        if (name == "media" || name == "PageSize" || name == "PageRegion" || name == "sides")
            continue;
        count = cupsAddOption(dest->options[i].name, dest->options[i].value, count, options);
    }
    cupsFreeDests(1, dest);
    return count;
}

const char* sidesOf(QPrinter::DuplexMode duplex, QPageLayout::Orientation orientation)
{
    switch (duplex) {
    case QPrinter::DuplexNone:
        return "one-sided";
    case QPrinter::DuplexAuto:
        return orientation == QPageLayout::Portrait ? "two-sided-long-edge" : "two-sided-short-edge";
    case QPrinter::DuplexLongSide:
        return "two-sided-long-edge";
    case QPrinter::DuplexShortSide:
        return "two-sided-short-edge";
    }
    return "one-sided";
}

// Sends the card in the file as a job to the printer's queue, with the options Qt's CUPS engine sends
// with its own jobs (the paper, the sides, the orientation, the copies) and the printer's settings. Qt's
// engine would send the card itself, but it never tells whether the scheduler took the job; here the
// scheduler's reason comes back when it took none.
seams::PrintStep submit(const QPrinter& printer, const QString& file)
{
    const QPageLayout layout = printer.pageLayout();
    cups_option_t* options = nullptr;
    int count = cupsAddOption("media", layout.pageSize().key().toUtf8().constData(), 0, &options);
    count = cupsAddOption("sides", sidesOf(printer.duplex(), layout.orientation()), count, &options);
    if (layout.orientation() == QPageLayout::Landscape)
        count = cupsAddOption("landscape", "", count, &options);
    if (printer.copyCount() > 1) {
        count = cupsAddOption("copies", QByteArray::number(printer.copyCount()).constData(), count, &options);
        if (printer.collateCopies())
            count = cupsAddOption("Collate", "True", count, &options);
    }
    const Destination destination = destinationOf(printer.printerName());
    count = addSettingsOptions(destination, count, &options);
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, destination.queue.constData(),
        QFile::encodeName(file).constData(), printer.docName().toUtf8().constData(), count, options);
    const QString reason = QString::fromUtf8(cupsLastErrorString());
    cupsFreeOptions(count, options);
    if (job == 0)
        return reason;
    return {};
}
#endif

// A printer set up as the cards are printed on it: on its own paper, the page margins brought down to
// what the printer needs, so that the origin is the corner of the printable area and not a margin Qt
// would add of its own. Orientation, resolution and feed stay the printer's own.
void setUp(QPrinter& printer, const QPrinterInfo& info)
{
    const QPageSize paper = info.defaultPageSize();
    if (paper.isValid())
        printer.setPageSize(paper);
    const QPageLayout layout = printer.pageLayout();
    printer.setPageMargins(layout.minimumMargins(), layout.units());
}

seams::PrinterState stateOf(QPrinter::PrinterState state)
{
    switch (state) {
    case QPrinter::Idle:
        return seams::PrinterState::Idle;
    case QPrinter::Active:
        return seams::PrinterState::Printing;
    case QPrinter::Aborted:
    case QPrinter::Error:
        return seams::PrinterState::Stopped;
    }
    return seams::PrinterState::Unknown;
}

} // namespace

QStringList SystemPrinters::names() const
{
    return QPrinterInfo::availablePrinterNames();
}

QString SystemPrinters::defaultName() const
{
    return QPrinterInfo::defaultPrinterName();
}

std::optional<seams::PrinterDescription> SystemPrinters::describe(const QString& name) const
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return std::nullopt;
    QPrinter printer(info, QPrinter::HighResolution);
    setUp(printer, info);
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    return seams::PrinterDescription {info.printerName(), layout.pageSize().name(),
        layout.pageSize().size(QPageSize::Millimeter), layout.margins(), stateOf(info.state())};
}

std::unique_ptr<seams::PrintSurface> SystemPrinters::cards(
    const QString& name, const seams::Drawing& underlay)
{
    return std::make_unique<PainterSurface>(std::make_unique<PrinterSheets>(name), underlay);
}

PrinterSheets::PrinterSheets(QString name)
    : m_name(std::move(name))
{ }

PrinterSheets::~PrinterSheets() = default;

seams::PrintStep PrinterSheets::begin(QPainter& painter)
{
    const QString printer = SystemPrinters().named(m_name);
    if (printer.isEmpty())
        return noDefaultPrinterReason();
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer);
    if (info.isNull())
        return printerNotFoundReason(printer);
    const QString cannotBegin
        = QStringLiteral("プリンタ「%1」で印刷を始められませんでした。").arg(info.printerName());
    m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    setUp(*m_printer, info);
#if QT_CONFIG(cups)
    m_folder = std::make_unique<QTemporaryDir>();
    if (!m_folder->isValid())
        return QStringLiteral("%1\n理由: %2").arg(cannotBegin, m_folder->errorString());
    m_printer->setOutputFileName(m_folder->filePath(kCardFile));
#endif
    if (!painter.begin(m_printer.get()))
        return cannotBegin;
    return {};
}

seams::PrintStep PrinterSheets::finish(QPainter& painter)
{
#if QT_CONFIG(cups)
    // Gone with the card's file, however the card ends.
    const std::unique_ptr<QTemporaryDir> folder = std::move(m_folder);
#endif
    const bool ended = painter.end();
    const QPrinter::PrinterState state = m_printer->printerState();
    if (!ended || state == QPrinter::Error || state == QPrinter::Aborted)
        return QStringLiteral("プリンタ「%1」で印刷を終えられませんでした。").arg(m_printer->printerName());
#if QT_CONFIG(cups)
    if (const seams::PrintStep taken = submit(*m_printer, folder->filePath(kCardFile)); !taken.ok()) {
        return QStringLiteral("プリンタ「%1」が印刷を受け付けませんでした。\n理由: %2")
            .arg(m_printer->printerName(), taken.failure());
    }
#endif
    return {};
}

} // namespace printing
