// The version window: the program's icon, title and version, its authors' pages, and the system
// information tool.
#pragma once

#include "app/navigator.h"
#include "ui/other_window.h"

class QLabel;
class QPushButton;

namespace app {

class VersionWindow final : public ui::OtherWindow {
    Q_OBJECT

public:
    explicit VersionWindow(app::Navigator& navigator);

protected:
    void onLoad() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createTitle();
    void createLinks();
    void createButtons();
    void connectButtons();
    void startSysInfo();

    QLabel* m_title = nullptr;
    QLabel* m_version = nullptr;
    QPushButton* m_ok = nullptr;
    app::ShellServices m_shell;
};

} // namespace app
