// The printer as the cards need it: solid boxes and the end of a card.
#pragma once

#include <QString>
#include <optional>

namespace seams {

class PrintSurface {
public:
    virtual ~PrintSurface() = default;

    // Fills the box between two opposite corners solid black. Coordinates are twips from the top-left
    // corner of the printable area, X to the right, Y downward. The first box after an end of card
    // begins a new card; when that cannot be done the reason comes back and nothing is drawn.
    virtual std::optional<QString> box(float x1, float y1, float x2, float y2) = 0;

    // Ends the card: everything boxed since the previous end is printed as one job on one sheet.
    // The reason comes back when the job could not be finished.
    virtual std::optional<QString> endCard() = 0;
};

} // namespace seams
