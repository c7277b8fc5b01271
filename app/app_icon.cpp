#include "app/app_icon.h"

#include <QPainter>

namespace app {

namespace {

constexpr int kColumns = 4;
constexpr int kRows = 5;
// Which box of each row is marked, as on a filled-in card.
constexpr int kMarked[kRows] = {1, 3, 0, 2, 1};

} // namespace

QPixmap applicationPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);

    // The card: white, with the red printing of the lottery cards.
    const QColor cardRed(200, 30, 45);
    painter.setPen(QPen(cardRed, 2.5));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(10, 3, 44, 58), 4, 4);
    painter.fillRect(QRectF(11.5, 4.5, 41, 8), cardRed);

    painter.setPen(QPen(cardRed, 1.2));
    painter.setBrush(Qt::NoBrush);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const QRectF box(16 + column * 9.0, 17 + row * 8.5, 5, 6);
            if (column == kMarked[row])
                painter.fillRect(box, Qt::black);
            else
                painter.drawRect(box);
        }
    }
    return pixmap;
}

QIcon applicationIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(applicationPixmap(size));
    return icon;
}

} // namespace app
