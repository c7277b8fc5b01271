// Cards drawn with a QPainter: on a printer in the program, on images and PDFs in tests and benchmarks.
#pragma once

#include "seams/drawing.h"
#include "seams/print_surface.h"

#include <QPainter>
#include <memory>

namespace printing {

// The sheets the cards are drawn on, one per card.
class SheetSource {
public:
    virtual ~SheetSource() = default;
    // Begins the painter on a fresh sheet for the next card; the reason when there is none.
    virtual seams::PrintStep begin(QPainter& painter) = 0;
    // Ends the painter on the sheet, which sends the card off; the reason when it did not go.
    virtual seams::PrintStep finish(QPainter& painter) = 0;
};

// One unit is one twip from the top-left corner of the sheet's paintable area, whatever the sheet's
// resolution. Every sheet shows the underlay, if any, under its marks.
class PainterSurface final : public seams::PrintSurface {
public:
    explicit PainterSurface(std::unique_ptr<SheetSource> sheets, seams::Drawing underlay = {});

    seams::PrintStep box(float x1, float y1, float x2, float y2) override;
    seams::PrintStep endCard() override;

private:
    std::unique_ptr<SheetSource> m_sheets;
    seams::Drawing m_underlay;
    QPainter m_painter; // after the sheets, so that it is gone before them
};

// Draws onto a painter whose unit is the twip, as a PainterSurface's is.
void paintDrawing(QPainter& painter, const seams::Drawing& drawing);

} // namespace printing
