#include "printing/painter_surface.h"

#include "core/units.h"

namespace printing {

namespace {

// A thin line that still shows on paper: 1/4 point.
constexpr double kThinLineTwips = 5;

} // namespace

PainterSurface::PainterSurface(std::unique_ptr<SheetSource> sheets, seams::Drawing underlay)
    : m_sheets(std::move(sheets))
    , m_underlay(std::move(underlay))
{ }

seams::PrintStep PainterSurface::box(float x1, float y1, float x2, float y2)
{
    if (!m_painter.isActive()) {
        if (seams::PrintStep begun = m_sheets->begin(m_painter); !begun.ok())
            return begun;
        const QPaintDevice* sheet = m_painter.device();
        m_painter.scale(
            sheet->logicalDpiX() / core::kTwipsPerInch, sheet->logicalDpiY() / core::kTwipsPerInch);
        paintDrawing(m_painter, m_underlay);
    }
    m_painter.fillRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized(), Qt::black);
    return {};
}

seams::PrintStep PainterSurface::endCard()
{
    if (!m_painter.isActive())
        return {};
    return m_sheets->finish(m_painter);
}

void paintDrawing(QPainter& painter, const seams::Drawing& drawing)
{
    if (drawing.isEmpty())
        return;
    painter.save();
    QPen thin(Qt::black);
    thin.setWidthF(kThinLineTwips);
    painter.setPen(thin);
    painter.setBrush(Qt::NoBrush);
    painter.drawRects(drawing.outlines);
    painter.drawLines(drawing.lines);
    for (const QRectF& fill : drawing.fills)
        painter.fillRect(fill, Qt::black);
    for (const seams::DrawnText& text : drawing.texts) {
        QFont font = painter.font();
        // In twips, so that the text scales with everything else on the sheet.
        font.setPixelSize(qMax(1, qRound(text.height)));
        painter.setFont(font);
        painter.drawText(QRectF(text.topLeft, QSizeF(core::kTwipsPerInch * 100, text.height * 2)),
            Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text.text);
    }
    painter.restore();
}

} // namespace printing
