// The main window: six buttons and a menu bar from which every other window opens and the
// program ends.
#pragma once

#include "lotteries/lottery.h"

#include <QMainWindow>
#include <functional>

namespace app {
class Navigator;
}

namespace app {

class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(app::Navigator& navigator);

private:
    void buildButtons();
    void buildMenus();
    std::function<void()> opener(lotteries::Lottery lottery);
    void showReadme();

    app::Navigator& m_navigator;
};

} // namespace app
