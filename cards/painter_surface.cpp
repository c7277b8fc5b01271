#include "cards/painter_surface.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace cards {

namespace {

constexpr double kTwipsPerInch = 1440.0;

} // namespace

PainterSurface::PainterSurface(std::unique_ptr<SheetSource> sheets)
    : m_sheets(std::move(sheets))
{ }

std::optional<QString> PainterSurface::box(float x1, float y1, float x2, float y2)
{
    if (!m_painter.isActive()) {
        if (auto reason = m_sheets->begin(m_painter))
            return reason;
        const QPaintDevice* sheet = m_painter.device();
        m_painter.scale(sheet->logicalDpiX() / kTwipsPerInch, sheet->logicalDpiY() / kTwipsPerInch);
    }
    m_painter.fillRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized(), Qt::black);
    return std::nullopt;
}

std::optional<QString> PainterSurface::endCard()
{
    if (!m_painter.isActive())
        return std::nullopt;
    return m_sheets->finish(m_painter);
}

DefaultPrinterSheets::DefaultPrinterSheets() = default;
DefaultPrinterSheets::~DefaultPrinterSheets() = default;

std::optional<QString> DefaultPrinterSheets::begin(QPainter& painter)
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        return QStringLiteral("通常使うプリンタが設定されていません。");
    // The printer's own settings (paper, orientation, resolution) stay as they are. Only the margins
    // are brought down to what the printer needs, so that the origin is the corner of the printable
    // area and not a margin Qt would add on its own.
    m_printer = std::make_unique<QPrinter>(printer, QPrinter::HighResolution);
    const QPageLayout layout = m_printer->pageLayout();
    m_printer->setPageMargins(layout.minimumMargins(), layout.units());
    if (!painter.begin(m_printer.get()))
        return QStringLiteral("プリンタ「%1」で印刷を始められませんでした。").arg(printer.printerName());
    return std::nullopt;
}

std::optional<QString> DefaultPrinterSheets::finish(QPainter& painter)
{
    const bool ended = painter.end();
    const QPrinter::PrinterState state = m_printer->printerState();
    if (!ended || state == QPrinter::Error || state == QPrinter::Aborted)
        return QStringLiteral("プリンタ「%1」で印刷を終えられませんでした。").arg(m_printer->printerName());
    return std::nullopt;
}

} // namespace cards
