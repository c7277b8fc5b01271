// A program with fake seams over a temporary data folder, and ways to see which windows are open.
#pragma once

#include "app/navigator.h"
#include "data_folder.h"
#include "fakes.h"
#include "qt_printing.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <type_traits>

class WindowTest : public testing::Test, protected DataFolder {
protected:
    WindowTest()
        : m_navigator(
            {m_prompter, m_printers, m_random, m_clock, QDir(m_dir.path())}, {m_launcher, m_registry})
    { }

    // Lets closed windows go the way they go in the running program.
    static void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    static QList<QWidget*> openWindows()
    {
        settle();
        QList<QWidget*> open;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible())
                open.append(widget);
        }
        return open;
    }

    // The one window that is open; fails the test when there is not exactly one.
    static QWidget* onlyWindow()
    {
        const QList<QWidget*> open = openWindows();
        EXPECT_EQ(open.size(), 1);
        return open.size() == 1 ? open.first() : nullptr;
    }

    // The window's form name, which every window carries as its object name.
    static QString formOf(const QWidget* window) { return window ? window->objectName() : "<none>"; }

    // Runs open, which shows a modal dialog and waits for it, and hands the dialog to act while it is
    // open; whatever act leaves open is then cancelled. The dialog, or nothing when none opened.
    static QDialog* whileModal(const std::function<void()>& open, const std::function<void(QDialog*)>& act)
    {
        QDialog* shown = nullptr;
        // A timer of this call's own, so that it cannot fire after the call when no dialog opened.
        QTimer modal;
        modal.setSingleShot(true);
        QObject::connect(&modal, &QTimer::timeout, [&] {
            shown = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (shown) {
                act(shown);
                if (shown->isVisible())
                    shown->reject();
            }
        });
        modal.start(0);
        open();
        return shown;
    }

    template <typename W = QWidget> static W* control(QWidget* window, const char* name)
    {
        W* found = window ? window->findChild<W*>(QString::fromLatin1(name)) : nullptr;
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Clicks the control of the window with that name: a button, an option, a link.
    static void click(QWidget* window, const char* name)
    {
        QTest::mouseClick(control(window, name), Qt::LeftButton);
    }

    // Loads the main window and, given one of the navigator's ways to open a window, opens that window
    // from it the way the main window's controls do. The one window then open, which m_window keeps.
    template <typename... Args>
    QWidget* open(void (app::Navigator::*load)(Args...) = nullptr, std::type_identity_t<Args>... args)
    {
        m_navigator.loadMain();
        if (load)
            (m_navigator.*load)(args...);
        m_window = onlyWindow();
        return m_window;
    }

    fakes::ScriptedPrompter m_prompter;
    fakes::RecordingLauncher m_launcher;
    fakes::MapRegistry m_registry;
    fakes::RecordingSurface m_printer;
    fakes::ListedPrinters m_printers {m_printer};
    fakes::ScriptedRandom m_random;
    fakes::FixedClock m_clock;
    app::Navigator m_navigator;
    QWidget* m_window = nullptr;
};
