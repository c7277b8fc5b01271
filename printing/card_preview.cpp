#include "printing/card_preview.h"

namespace printing {

namespace {

QRectF markBox(const MarkPoint& mark)
{
    const MarkBox box = boxAt(mark);
    return QRectF(QPointF(box.left, box.top), QSizeF(kBoxWidth, kBoxHeight));
}

// The print run's boxes, each card on a drawing of its own over the grid.
class DrawingSurface final : public seams::PrintSurface {
public:
    explicit DrawingSurface(seams::Drawing grid)
        : m_grid(std::move(grid))
    { }

    seams::PrintStep box(float x1, float y1, float x2, float y2) override
    {
        if (m_cards.isEmpty() || m_ended) {
            m_cards.append(m_grid);
            m_ended = false;
        }
        m_cards.last().fills.append(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
        return {};
    }
    seams::PrintStep endCard() override
    {
        m_ended = true;
        return {};
    }

    QList<seams::Drawing> cards() const
    {
        return m_cards.isEmpty() ? QList<seams::Drawing> {m_grid} : m_cards;
    }

private:
    seams::Drawing m_grid;
    QList<seams::Drawing> m_cards;
    bool m_ended = false;
};

} // namespace

seams::Drawing cardGrid(const Placement& placement)
{
    seams::Drawing grid;
    for (int slot = 1; slot <= kSlotsPerCard; ++slot) {
        for (const MarkPoint& mark : placement.markPositions(slot))
            grid.outlines.append(markBox(mark));
    }
    return grid;
}

core::Result<CardPreview, PrintFailure> previewCards(
    const lotteries::PrintFile& printFile, const QDir& dataDir, const seams::Printers& printers)
{
    const core::Result<PrinterInUse, PrintFailure> printer = describePrinterInUse(dataDir, printers);
    if (!printer.ok())
        return printer.failure();

    // The print run would write a missing settings file with the defaults; the preview only takes them.
    const core::Result<Placement, PrintFailure> placed = savedPlacement(
        printFile.rules().lottery, dataDir, settings::SettingsFile::WhenMissing::TakeDefaults);
    if (!placed.ok())
        return placed.failure();
    const Placement& placement = placed.value();
    const core::Result<core::Lines> lines = printFile.lines();
    if (!lines.ok())
        return lines.failure();
    DrawingSurface surface(cardGrid(placement));
    if (const core::Result<void, PrintFailure> drawn = drawCards(placement, lines.value(), surface);
        !drawn.ok())
        return drawn.failure();
    return CardPreview {printer.value().description, surface.cards()};
}

} // namespace printing
