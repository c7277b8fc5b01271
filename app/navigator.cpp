#include "app/navigator.h"

#include "app/main_window.h"
#include "app/version_window.h"
#include "calibration/calibration_window.h"
#include "draws/draw_check_window.h"
#include "quick/quick_window.h"
#include "tickets/card_window.h"

namespace app {

Navigator::Navigator(ui::Services services, ShellServices shell)
    : m_services(std::move(services))
    , m_shell(shell)
{ }

Navigator::~Navigator()
{
    // Deleting, not closing: a window that closed now would load the main window again.
    delete m_other.data();
    delete m_main.data();
}

// A closed window is hidden at once but deleted only later; a hidden one counts as gone.
void Navigator::loadMain()
{
    if (m_main && m_main->isVisible())
        return;
    auto* main = new MainWindow(*this);
    main->setAttribute(Qt::WA_DeleteOnClose);
    m_main = main;
    main->show();
}

void Navigator::unloadMain()
{
    if (m_main)
        m_main->close();
}

void Navigator::openCard(lotteries::Lottery lottery)
{
    openOther([this, lottery] { return tickets::createCardWindow(lottery, *this); });
}

void Navigator::openQuick()
{
    openOther([this] { return new quick::QuickWindow(*this); });
}

void Navigator::openCalibration()
{
    openOther([this] { return new calibration::CalibrationWindow(*this); });
}

void Navigator::openVersion()
{
    openOther([this] { return new VersionWindow(*this); });
}

void Navigator::openDrawCheck()
{
    openOther([this] { return new draws::DrawCheckWindow(*this); });
}

void Navigator::openOther(const std::function<ui::OtherWindow*()>& create)
{
    if (m_other && m_other->isVisible())
        return;
    ui::OtherWindow* window = create();
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_other = window;
    window->load();
}

} // namespace app
