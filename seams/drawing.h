// What a sheet shows besides the marks: thin outlines, filled boxes, lines and text, all in twips from
// the top-left corner of the printable area, the marks' own coordinates. Built by the logic (the test
// sheet, the grid under a card's preview), drawn by the painter with the marks' own scaling.
#pragma once

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace seams {

struct DrawnText {
    QPointF topLeft;
    double height; // twips; 20 twips are one point
    QString text;

    bool operator==(const DrawnText&) const = default;
};

struct Drawing {
    QList<QRectF> outlines; // thin, the rectangle itself on the middle of the line
    QList<QRectF> fills; // solid black, as the marks
    QList<QLineF> lines; // thin
    QList<DrawnText> texts;

    bool isEmpty() const
    {
        return outlines.isEmpty() && fills.isEmpty() && lines.isEmpty() && texts.isEmpty();
    }
    bool operator==(const Drawing&) const = default;
};

} // namespace seams
