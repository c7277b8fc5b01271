// The names the user knows the program and its settings windows by, the same in a window's title, in
// the menu item that opens it and in every message that sends the user there.
#pragma once

#include <QString>

namespace ui {

inline QString applicationTitle()
{
    return QStringLiteral("ロト・ナンバーズ マークカード印刷");
}

// The calibration window.
inline QString calibrationTitle()
{
    return QStringLiteral("印字位置の設定");
}

// The print setup; its menu item adds "..." for the dialog it opens.
inline QString printerSetupTitle()
{
    return QStringLiteral("プリンタの設定");
}

} // namespace ui
