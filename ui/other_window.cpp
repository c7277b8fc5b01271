#include "ui/other_window.h"

#include <QCloseEvent>

namespace ui {

OtherWindow::OtherWindow(Navigation& navigation)
    : m_navigation(navigation)
{ }

void OtherWindow::load()
{
    show();
    m_navigation.unloadMain();
    onLoad();
}

void OtherWindow::closeEvent(QCloseEvent* event)
{
    // The main window comes up before this one goes, so there is never a moment without a window.
    m_navigation.loadMain();
    event->accept();
}

} // namespace ui
