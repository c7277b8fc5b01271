#include "ui/window_layout.h"

#include "ui/twips.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>
#include <algorithm>

namespace ui {

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

// Narrows the control's font until the caption fits in room pixels. Fonts narrow in steps on Windows,
// where GDI takes the width of an average character in whole pixels and a bold face made up from the
// regular one keeps its width over the first steps, so each stretch is measured until one fits.
void narrowToFit(QWidget* control, int room, const QString& caption)
{
    const int needed = control->fontMetrics().horizontalAdvance(caption);
    if (needed <= room || room <= 0)
        return;
    QFont font = control->font();
    int stretch = std::max(kNarrowestStretch, room * 100 / needed);
    font.setStretch(stretch);
    while (stretch > kNarrowestStretch && QFontMetrics(font, control).horizontalAdvance(caption) > room)
        font.setStretch(--stretch);
    control->setFont(font);
}

template <typename W>
W* placeChoice(QWidget* parent, const char* name, const TwipRect& twips, const QString& caption)
{
    auto* choice = placeControl<W>(parent, name, twips, caption);
    const int indicator = choice->sizeHint().width() - choice->fontMetrics().horizontalAdvance(caption);
    narrowToFit(choice, choice->width() - indicator, caption);
    return choice;
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

void setUpWindow(QWidget* window, const char* formName, const QString& title, int widthTwips, int heightTwips,
    Sizing sizing)
{
    window->setObjectName(QString::fromLatin1(formName));
    window->setWindowTitle(title);
    if (sizing == Sizing::Fixed)
        window->setFixedSize(pixelSize(widthTwips, heightTwips));
    else
        window->resize(pixelSize(widthTwips, heightTwips));
}

QPushButton* buttonNamed(const QWidget* window, const char* name)
{
    return window->findChild<QPushButton*>(QString::fromLatin1(name));
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

void fitLabelText(QLabel* label)
{
    QFont font = label->font();
    font.setStretch(QFont::Unstretched);
    label->setFont(font);
    narrowToFit(label, label->width(), label->text());
    label->resize(label->width(), std::max(label->height(), label->fontMetrics().height()));
}

QPushButton* placeButton(QWidget* parent, const char* name, const TwipRect& twips, const QString& caption)
{
    auto* button = placeControl<QPushButton>(parent, name, twips, caption);
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = caption;
    const int room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    narrowToFit(button, room, caption);
    return button;
}

QCheckBox* placeCheckBox(QWidget* parent, const char* name, const TwipRect& twips, const QString& caption)
{
    return placeChoice<QCheckBox>(parent, name, twips, caption);
}

QRadioButton* placeOptionButton(
    QWidget* parent, const char* name, const TwipRect& twips, const QString& caption)
{
    return placeChoice<QRadioButton>(parent, name, twips, caption);
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

void setTabOrder(QWidget* window, std::span<const char* const> names)
{
    QList<QWidget*> order;
    for (const char* name : names)
        order.append(window->findChild<QWidget*>(QString::fromLatin1(name)));
    setTabOrder(order);
}

} // namespace ui
