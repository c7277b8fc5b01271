#include "ui/other_window.h"

#include "core/shift_jis.h"
#include "ui/prompter.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QMimeData>

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

void OtherWindow::takeDroppedText(std::function<void(const QString& text)> take)
{
    m_takeDroppedText = std::move(take);
    setAcceptDrops(true);
}

void OtherWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (m_takeDroppedText && event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void OtherWindow::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!m_takeDroppedText || urls.isEmpty() || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    const core::Result<QString> text = core::readTextFile(urls.first().toLocalFile());
    if (!text.ok()) {
        services().prompter.ask(this, fileFailurePrompt(text.failure()));
        return;
    }
    m_takeDroppedText(text.value());
}

} // namespace ui
