// One window at a time: the main window opens a window, that window shows itself and closes the
// main window, and whatever way it goes away it brings the main window back.
#pragma once

#include "tickets/lottery.h"

#include <QDir>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace cards {
class PrintSurface;
}

namespace quick {
class Clock;
class RandomSource;
} // namespace quick

namespace app {

class Launcher;
class OtherWindow;
class Prompter;
class Registry;

// What the windows use of the outside world; the program passes the real ones, tests their fakes.
struct Services {
    Prompter& prompter;
    Launcher& launcher;
    const Registry& registry;
    cards::PrintSurface& printer;
    quick::RandomSource& random;
    const quick::Clock& clock;
    QDir dataDir;
};

class Navigator {
public:
    explicit Navigator(Services services);
    ~Navigator();
    Navigator(const Navigator&) = delete;
    Navigator& operator=(const Navigator&) = delete;

    const Services& services() const { return m_services; }

    // Shows the main window unless it is open already.
    void loadMain();
    // Loads the card window of a lottery unless a window other than the main window is open.
    void openCard(tickets::Lottery lottery);
    // Load the quick prediction, calibration and version windows, likewise.
    void openQuick();
    void openCalibration();
    void openVersion();
    // Called by a window once it has shown itself.
    void unloadMain();

private:
    void openOther(const std::function<OtherWindow*()>& create);

    Services m_services;
    QPointer<QWidget> m_main;
    QPointer<QWidget> m_other;
};

// Every window other than the main window: loading shows it and closes the main window; closing it
// by any route loads the main window again.
class OtherWindow : public QWidget {
    Q_OBJECT

public:
    void load();

protected:
    explicit OtherWindow(Navigator& navigator);
    Navigator& navigator() const { return m_navigator; }
    // The window's own work once it is shown, such as filling its list.
    virtual void onLoad() = 0;
    void closeEvent(QCloseEvent* event) override;

private:
    Navigator& m_navigator;
};

} // namespace app
