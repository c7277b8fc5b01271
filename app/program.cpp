#include "app/program.h"

#include "app/app_icon.h"
#include "ui/window_layout.h"

#ifdef Q_OS_WIN
#include "app/win32_registry.h"
#endif

#include <QApplication>
#include <QLibraryInfo>

namespace app {

namespace {

std::unique_ptr<const seams::Registry> systemRegistry()
{
#ifdef Q_OS_WIN
    return std::make_unique<const Win32Registry>();
#else
    return std::make_unique<const seams::NoRegistry>();
#endif
}

} // namespace

Program::Program(const QDir& dataDir)
    : m_registry(systemRegistry())
    , m_navigator({m_prompter, m_printers, m_random, m_clock, dataDir}, {m_launcher, *m_registry})
{
    QApplication::setFont(ui::proportionalFont(ui::kDefaultFontPoints));
    QApplication::setWindowIcon(applicationIcon());
    // The whole program speaks Japanese, so Qt's own words (はい, いいえ) do too, whatever the locale.
    if (m_qtWords.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&m_qtWords);
}

void Program::start()
{
    m_navigator.loadMain();
}

} // namespace app
