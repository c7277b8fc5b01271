// Whether a double click on the list may delete: not when it began on the list as it was before the
// window, coming back, listed a changed file, since the row the user pointed at may now hold another
// entry.
#pragma once

#include <QtGlobal>
#include <optional>

namespace tickets {

class StaleClick {
public:
    // The list now shows a changed file, not yet drawn: a click going on began on the list as it was.
    void listedAgain()
    {
        m_newListUnseen = true;
        m_clickOnOldList = true;
    }
    // The list as it now is has been drawn.
    void drawn() { m_newListUnseen = false; }
    // A press at the time, in milliseconds, of the mouse's events. One after the new list was drawn begins
    // a click on it, unless it comes within the double-click time of the press before, as the second
    // press of a double click that began where the first was aimed. A press before the drawing, such as
    // the click that made the window active, was aimed at the list as it was.
    void pressed(quint64 time, quint64 doubleClickTime)
    {
        if (!m_newListUnseen && (!m_lastPress || time - *m_lastPress >= doubleClickTime))
            m_clickOnOldList = false;
        m_lastPress = time;
    }
    bool mayDelete() const { return !m_clickOnOldList; }

private:
    bool m_newListUnseen = false;
    bool m_clickOnOldList = false;
    std::optional<quint64> m_lastPress;
};

} // namespace tickets
