// Window geometry is laid out in twips, 1440 to the inch, and shown in the screen's pixels.
#pragma once

#include "core/units.h"

namespace ui {

constexpr int twipsToPixels(int twips, double dotsPerInch)
{
    const double pixels = twips * dotsPerInch / core::kTwipsPerInch;
    return static_cast<int>(pixels < 0 ? pixels - 0.5 : pixels + 0.5);
}

} // namespace ui
