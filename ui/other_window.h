// Every window other than the main window: loading shows it and closes the main window; closing it
// by any route loads the main window again.
#pragma once

#include "ui/navigation.h"
#include "ui/services.h"

#include <QWidget>
#include <functional>

namespace ui {

class OtherWindow : public QWidget {
    Q_OBJECT

public:
    void load();

protected:
    explicit OtherWindow(Navigation& navigation);
    Navigation& navigation() const { return m_navigation; }
    const Services& services() const { return m_navigation.services(); }
    // The window's own work once it is shown, such as filling its list.
    virtual void onLoad() = 0;
    void closeEvent(QCloseEvent* event) override;
    // Lets a text file be dropped on the window: it is read as a text file a user brings in and its text
    // handed to take; a file that cannot be read is named in a message.
    void takeDroppedText(std::function<void(const QString& text)> take);
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    Navigation& m_navigation;
    std::function<void(const QString& text)> m_takeDroppedText;
};

} // namespace ui
