// What the windows use of the outside world, carried to every window: the program passes the real
// ones, tests their fakes.
#pragma once

#include "ui/printers.h"
#include "ui/prompter.h"
#include "ui/seams.h"

#include <QDir>

namespace ui {

struct Services {
    Prompter& prompter;
    Printers& printers;
    RandomSource& random;
    const Clock& clock;
    QDir dataDir;
};

} // namespace ui
