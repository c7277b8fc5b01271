#include "cards/system_printers.h"

#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <cups/cups.h>

namespace cards {

namespace {

// Qt's CUPS print engine sends the job options it is given under this key along with its own; Qt's
// print dialog uses it, but it is not in Qt's public headers.
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// The options a print on the printer gets from the user's and the system's printer settings
// (lpoptions), as the lp command passes them: for a CUPS instance, what makes it an instance, such as
// the manual feed. Qt's engine would leave them out. The paper is left to the page size, which already
// is the printer's own, and the sides to Qt, which sends them itself.
QStringList cupsOptionsOf(const QString& printerName)
{
    const qsizetype slash = printerName.indexOf(u'/');
    const QByteArray queue = printerName.first(slash < 0 ? printerName.size() : slash).toUtf8();
    const QByteArray instance = slash < 0 ? QByteArray() : printerName.sliced(slash + 1).toUtf8();
    cups_dest_t* dest
        = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), slash < 0 ? nullptr : instance.constData());
    QStringList options;
    if (!dest)
        return options;
    for (int i = 0; i < dest->num_options; ++i) {
        const QString name = QString::fromUtf8(dest->options[i].name);
        if (name == u"media" || name == u"PageSize" || name == u"PageRegion" || name == u"sides")
            continue;
        options << name << QString::fromUtf8(dest->options[i].value);
    }
    cupsFreeDests(1, dest);
    return options;
}

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

PrinterState stateOf(QPrinter::PrinterState state)
{
    switch (state) {
    case QPrinter::Idle:
        return PrinterState::Idle;
    case QPrinter::Active:
        return PrinterState::Printing;
    case QPrinter::Aborted:
    case QPrinter::Error:
        return PrinterState::Stopped;
    }
    return PrinterState::Unknown;
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

std::optional<PrinterDescription> SystemPrinters::describe(const QString& name) const
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return std::nullopt;
    QPrinter printer(info, QPrinter::HighResolution);
    setUp(printer, info);
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    return PrinterDescription {info.printerName(), layout.pageSize().name(),
        layout.pageSize().size(QPageSize::Millimeter), layout.margins(), stateOf(info.state())};
}

std::unique_ptr<PrintSurface> SystemPrinters::cards(const QString& name, const Drawing& underlay)
{
    return std::make_unique<PainterSurface>(std::make_unique<PrinterSheets>(name), underlay);
}

PrinterSheets::PrinterSheets(QString name)
    : m_name(std::move(name))
{ }

PrinterSheets::~PrinterSheets() = default;

std::optional<QString> PrinterSheets::begin(QPainter& painter)
{
    const QPrinterInfo info
        = m_name.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(m_name);
    if (info.isNull()) {
        return m_name.isEmpty() ? noDefaultPrinterReason()
                                : QStringLiteral("プリンタ「%1」が見つかりません。").arg(m_name);
    }
    m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    setUp(*m_printer, info);
    m_printer->printEngine()->setProperty(kCupsOptions, cupsOptionsOf(info.printerName()));
    if (!painter.begin(m_printer.get()))
        return QStringLiteral("プリンタ「%1」で印刷を始められませんでした。").arg(info.printerName());
    return std::nullopt;
}

std::optional<QString> PrinterSheets::finish(QPainter& painter)
{
    const bool ended = painter.end();
    const QPrinter::PrinterState state = m_printer->printerState();
    if (!ended || state == QPrinter::Error || state == QPrinter::Aborted)
        return QStringLiteral("プリンタ「%1」で印刷を終えられませんでした。").arg(m_printer->printerName());
    return std::nullopt;
}

} // namespace cards
