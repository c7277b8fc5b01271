// One window at a time: the main window opens a window, that window shows itself and closes the
// main window, and whatever way it goes away it brings the main window back.
#pragma once

#include "lotteries/lottery.h"
#include "seams/launcher.h"
#include "seams/registry.h"
#include "ui/navigation.h"
#include "ui/services.h"

#include <QPointer>
#include <QWidget>
#include <functional>

namespace ui {
class OtherWindow;
}

namespace app {

// What only the main window and the version window use: starting other programs, and the registry
// that says where the system information tool is.
struct ShellServices {
    seams::Launcher& launcher;
    const seams::Registry& registry;
};

class Navigator final : public ui::Navigation {
public:
    Navigator(ui::Services services, ShellServices shell);
    ~Navigator();
    Navigator(const Navigator&) = delete;
    Navigator& operator=(const Navigator&) = delete;

    const ui::Services& services() const override { return m_services; }
    const ShellServices& shell() const { return m_shell; }

    void loadMain() override;
    void unloadMain() override;
    // Loads the card window of a lottery unless a window other than the main window is open.
    void openCard(lotteries::Lottery lottery);
    // Load the quick prediction, calibration, version and draw check windows, likewise.
    void openQuick();
    void openCalibration();
    void openVersion();
    void openDrawCheck();

private:
    void openOther(const std::function<ui::OtherWindow*()>& create);

    ui::Services m_services;
    ShellServices m_shell;
    QPointer<QWidget> m_main;
    QPointer<QWidget> m_other;
};

} // namespace app
