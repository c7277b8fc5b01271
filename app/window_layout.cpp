#include "app/window_layout.h"

#include "app/twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>
#include <algorithm>

namespace app {

namespace {

constexpr double kFallbackDpi = 96.0;
constexpr int kNarrowestStretch = 50; // percent of the normal width

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

QLabel* placeLabel(QWidget* parent, const char* name, const TwipRect& twips, const QString& text)
{
    auto* label = placeControl<QLabel>(parent, name, twips, text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* placeButton(QWidget* parent, const char* name, const TwipRect& twips, const QString& caption)
{
    auto* button = placeControl<QPushButton>(parent, name, twips, caption);
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = caption;
    const int room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    const int needed = button->fontMetrics().horizontalAdvance(caption);
    if (needed > room && room > 0) {
        QFont font = button->font();
        font.setStretch(std::max(kNarrowestStretch, room * 100 / needed));
        button->setFont(font);
    }
    return button;
}

void setTabOrder(const QList<QWidget*>& order)
{
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace app
