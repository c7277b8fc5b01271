#include "app/window_layout.h"

#include "app/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace app {

namespace {

constexpr double kFallbackDpi = 96.0;

double dpiX()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : kFallbackDpi;
}

double dpiY()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : kFallbackDpi;
}

QFont fontOf(const QStringList& families, qreal points)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    return font;
}

} // namespace

QRect pixelRect(const TwipRect& twips)
{
    return {twipsToPixels(twips.left, dpiX()), twipsToPixels(twips.top, dpiY()),
        twipsToPixels(twips.width, dpiX()), twipsToPixels(twips.height, dpiY())};
}

QSize pixelSize(int widthTwips, int heightTwips)
{
    return {twipsToPixels(widthTwips, dpiX()), twipsToPixels(heightTwips, dpiY())};
}

QFont fixedFont(qreal points, bool bold)
{
    QFont font = fontOf({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                            QStringLiteral("Noto Sans Mono CJK JP")},
        points);
    font.setFixedPitch(true);
    font.setStyleHint(QFont::Monospace);
    font.setBold(bold);
    return font;
}

QFont proportionalFont(qreal points)
{
    return fontOf(
        {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"), QStringLiteral("Noto Sans CJK JP")},
        points);
}

void setTabOrder(std::initializer_list<QWidget*> order)
{
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace app
