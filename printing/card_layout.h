// Where the marks of one print-file line go on a card. The four cards differ only in the data of their
// layout: the grid rule, the start adjustment and the columns.
#pragma once

#include "core/result.h"
#include "printing/card_grid.h"
#include "settings/settings_file.h"

#include <QList>
#include <QString>
#include <array>

namespace printing {

inline constexpr double kBoxWidth = 40; // twips; the mark point is the box's top-right corner
inline constexpr double kBoxHeight = 200;

using settings::CalibrationValue;

// A calibration that cannot be printed with: which value, and the value as the settings file gives it.
struct CalibrationFault {
    CalibrationValue value;
    double number;

    bool operator==(const CalibrationFault&) const = default;
};

// The top-right corner of a mark box, in twips from the top-left corner of the printable area.
struct MarkPoint {
    double x;
    double y;

    bool operator==(const MarkPoint&) const = default;
};

// The solid box drawn for a mark, in twips: the mark point is its top-right corner.
struct MarkBox {
    double left;
    double top;
    double right;
    double bottom;
};

inline MarkBox boxAt(const MarkPoint& mark)
{
    return {mark.x - kBoxWidth, mark.y, mark.x, mark.y + kBoxHeight};
}

// The two marks a test sheet fills so that a card can be lined up over it, lying as far apart as the card
// allows so that together they tell the starts from the steps. The first is in slot 1, first column, top
// row (LOTO: 10; Numbers: the first digit's 9); the second in slot 5, last number or digit column, bottom
// row (LOTO6: 41; MINILOTO: 31; Numbers: the last digit's 0).
struct ReferenceMarks {
    MarkPoint first;
    MarkPoint second;

    bool operator==(const ReferenceMarks&) const = default;
};

// The calibration as one print run uses it: start values adjusted for the card, offsets of every
// column and row worked out and known to fit 32 bits.
class Placement {
public:
    // The placement, or the value that makes every mark on the card impossible to place.
    static core::Result<Placement, CalibrationFault> of(
        lotteries::Lottery lottery, const settings::Calibration& calibration);

    // The mark points of one print-file line in card slot 1 to 5, in the order they are drawn.
    QList<MarkPoint> marks(int slot, const QString& line) const;

    // Every place a mark can take in card slot 1 to 5, each once: LOTO the numbers from 1 up; Numbers
    // each digit column's 0 to 9, then the play types A, B and C. The marks of every line the program
    // writes are among them.
    QList<MarkPoint> markPositions(int slot) const;
    ReferenceMarks referenceMarks() const;

    double horizontalStart() const { return m_horizontalStart; }
    double verticalStart() const { return m_verticalStart; }
    // The horizontal base of a card slot: slot 1 lies furthest right.
    double slotBase(int slot) const;

private:
    explicit Placement(const CardLayout& layout)
        : m_layout(layout)
    { }

    // The mark point of a column and row in the slot whose base is given.
    MarkPoint markAt(double base, int column, int row) const;

    const CardLayout& m_layout;
    double m_horizontalStart = 0;
    double m_horizontalStep = 0;
    double m_verticalStart = 0;
    std::array<qint32, 5> m_columnOffsets {};
    std::array<qint32, 10> m_rowOffsets {};
};

} // namespace printing
