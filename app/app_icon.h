// The program's icon, drawn rather than stored: a mark card with a few of its boxes filled in.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace app {

QPixmap applicationPixmap(int size);
QIcon applicationIcon();

} // namespace app
