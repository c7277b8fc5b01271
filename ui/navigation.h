// The one rule of navigation, as a window sees it: one window at a time, through the main window.
#pragma once

namespace ui {

struct Services;

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
