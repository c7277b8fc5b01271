// What the windows use of the outside world, carried to every window: the program passes the real
// ones, tests their fakes.
#pragma once

#include "seams/clock.h"
#include "seams/printers.h"
#include "seams/random_source.h"
#include "ui/prompter.h"

#include <QDir>

namespace ui {

struct Services {
    Prompter& prompter;
    seams::Printers& printers;
    seams::RandomSource& random;
    const seams::Clock& clock;
    QDir dataDir;
};

} // namespace ui
