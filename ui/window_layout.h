// Twips and fonts for the windows: every position and size is given in twips and every font by
// its Japanese family, with fallbacks for machines that lack it.
#pragma once

#include <QFont>
#include <QList>
#include <QRect>
#include <span>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace ui {

struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

QRect pixelRect(const TwipRect& twips);
QSize pixelSize(int widthTwips, int heightTwips);

// Whether the user may resize a window: the dialogs keep the size they were laid out for.
enum class Sizing { Resizable, Fixed };

// What every window is given first: its form's name, which tests and people find it by, its title, and
// its client area in twips.
void setUpWindow(QWidget* window, const char* formName, const QString& title, int widthTwips, int heightTwips,
    Sizing sizing = Sizing::Resizable);

// "ＭＳ ゴシック": fixed pitch, for the ticket lists and entry boxes whose columns must line up.
QFont fixedFont(qreal points, bool bold = false);
// "ＭＳ Ｐゴシック": the windows' own proportional font.
QFont proportionalFont(qreal points);

constexpr qreal kDefaultFontPoints = 9;

// Creates a control of type W as a child of parent, named for its form and placed in twips.
template <typename W, typename... Args>
W* placeControl(QWidget* parent, const char* name, const TwipRect& twips, Args&&... args)
{
    auto* control = new W(std::forward<Args>(args)..., parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(pixelRect(twips));
    return control;
}

// A label's text stands at its top left, where the layout of every window expects it.
QLabel* placeLabel(QWidget* parent, const char* name, const TwipRect& twips, const QString& text);
// A one-line label whose text in its font is wider than the label is narrowed to fit, and one lower
// than a line of its font is made taller downwards, its top left staying where it is.
void fitLabelText(QLabel* label);

// A caption wider than its button, as with a fallback font wider than the one the windows were laid
// out for, is narrowed until it fits rather than cut off at both ends.
QPushButton* placeButton(QWidget* parent, const char* name, const TwipRect& twips, const QString& caption);

// Check boxes and option buttons, their captions narrowed to fit likewise.
QCheckBox* placeCheckBox(QWidget* parent, const char* name, const TwipRect& twips, const QString& caption);
QRadioButton* placeOptionButton(
    QWidget* parent, const char* name, const TwipRect& twips, const QString& caption);

// The window's button of that name, for connecting it once the window is laid out.
QPushButton* buttonNamed(const QWidget* window, const char* name);

void setTabOrder(const QList<QWidget*>& order);
// The same for the controls of a window given by their names.
void setTabOrder(QWidget* window, std::span<const char* const> names);

} // namespace ui
