// The printer as the cards need it: solid boxes and the end of a card.
#pragma once

#include "core/result.h"

#include <QString>

namespace seams {

// Done, or why the printer could not do it, in words the user is shown as they are.
using PrintStep = core::Result<void, QString>;

class PrintSurface {
public:
    virtual ~PrintSurface() = default;

    // Fills the box between two opposite corners solid black. Coordinates are twips from the top-left
    // corner of the printable area, X to the right, Y downward. The first box after an end of card
    // begins a new card; when that cannot be done it fails with the reason and nothing is drawn.
    virtual PrintStep box(float x1, float y1, float x2, float y2) = 0;

    // Ends the card: everything boxed since the previous end is printed as one job on one sheet.
    // Fails with the reason when the job could not be finished.
    virtual PrintStep endCard() = 0;
};

} // namespace seams
