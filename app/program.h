// The program as a user starts it: the real outside world behind every seam, and the main window.
#pragma once

#include "app/desktop_launcher.h"
#include "app/navigator.h"
#include "app/system_info.h"
#include "printing/system_printers.h"
#include "seams/clock.h"
#include "seams/random_source.h"
#include "ui/message_box_prompter.h"

#include <QDir>
#include <QTranslator>
#include <memory>

namespace app {

class Program {
public:
    // Every file the program keeps lives in dataDir. A QApplication must exist.
    explicit Program(const QDir& dataDir);

    // Shows the main window.
    void start();

private:
    QTranslator m_qtWords;
    ui::MessageBoxPrompter m_prompter;
    DesktopLauncher m_launcher;
    std::unique_ptr<const seams::Registry> m_registry;
    printing::SystemPrinters m_printers;
    seams::ClockSeededRandom m_random;
    seams::SystemClock m_clock;
    Navigator m_navigator;
};

} // namespace app
