#include "cards/painter_surface.h"

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

} // namespace cards
