// What a window sees of the program around it: the outside world behind its seams, and the one rule
// of navigation, one window at a time, through the main window.
#pragma once

#include <QDir>

namespace cards {
class Printers;
}

namespace quick {
class Clock;
class RandomSource;
} // namespace quick

namespace ui {

class Prompter;

// What the windows use of the outside world; the program passes the real ones, tests their fakes.
struct Services {
    Prompter& prompter;
    cards::Printers& printers;
    quick::RandomSource& random;
    const quick::Clock& clock;
    QDir dataDir;
};

class Navigation {
public:
    // Shows the main window unless it is open already.
    virtual void loadMain() = 0;
    // Closes the main window; a window calls it once it has shown itself.
    virtual void unloadMain() = 0;
    virtual const Services& services() const = 0;

protected:
    ~Navigation() = default;
};

} // namespace ui
