// The program's own name, shown as the main window's title and on its message boxes.
#pragma once

#include <QString>

namespace ui {

inline QString applicationTitle()
{
    return QStringLiteral("ロト・ナンバーズ マークカード印刷");
}

} // namespace ui
