// Compares the marks on printed cards with the boxes the print run asked for. The cards are PDF files,
// one per print job in job order; their filled rectangles are read from `pdftocairo -svg`. The boxes
// come as spooler_print writes them: card x1 y1 x2 y2, in twips from the printable area's top-left.
// Qt's own PDF keeps a mark where it was asked to within a twip; a printer driver that draws on a grid of
// dots may move each edge by up to a dot, given as --dot DPI.
#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRectF>
#include <QTextStream>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwipsPerPoint = 20;
constexpr double kTwipsPerInch = 1440;

// How far a mark may be from its box, in twips.
struct Tolerance {
    double position = 1; // on every edge
    double size = 0.25;
};
constexpr double kBoxWidth = 40;
constexpr double kBoxHeight = 200;

// Findings and the summary of every card, in the order they come.
QTextStream& report()
{
    static QTextStream stream(stdout);
    return stream;
}

// The boxes of each card, by card number.
std::optional<QMap<int, QList<QRectF>>> readBoxes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    QMap<int, QList<QRectF>> cards;
    QTextStream in(&file);
    while (!in.atEnd()) {
        int card = 0;
        double x1 = 0;
        double y1 = 0;
        double x2 = 0;
        double y2 = 0;
        in >> card >> x1 >> y1 >> x2 >> y2;
        if (in.status() != QTextStream::Ok)
            return std::nullopt;
        cards[card].append(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
        in.skipWhiteSpace();
    }
    return cards;
}

struct Sheet {
    QSizeF size; // points
    QList<QRectF> rectangles; // points from the sheet's top-left
};

// The bounding rectangle of every subpath in a path's data, which pdftocairo writes as absolute
// moves and lines only; anything else is reported.
bool addRectangles(QStringView data, QList<QRectF>& rectangles)
{
    const QList<QStringView> tokens = data.split(u' ', Qt::SkipEmptyParts);
    QList<QPointF> points;
    const auto close = [&] {
        if (points.size() > 1) {
            const auto [left, right] = std::minmax_element(points.begin(), points.end(),
                [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
            const auto [top, bottom] = std::minmax_element(points.begin(), points.end(),
                [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
            rectangles.append(QRectF(QPointF(left->x(), top->y()), QPointF(right->x(), bottom->y())));
        }
        points.clear();
    };
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QStringView token = tokens.at(i);
        if (token == u"Z") {
            close();
        } else if ((token == u"M" || token == u"L") && i + 2 < tokens.size()) {
            if (token == u"M")
                close();
            points.append(QPointF(tokens.at(i + 1).toDouble(), tokens.at(i + 2).toDouble()));
            i += 2;
        } else {
            return false;
        }
    }
    close();
    return true;
}

std::optional<Sheet> readSheet(const QString& pdf)
{
    QProcess pdftocairo;
    pdftocairo.start(QStringLiteral("pdftocairo"), {QStringLiteral("-svg"), pdf, QStringLiteral("-")});
    if (!pdftocairo.waitForFinished() || pdftocairo.exitCode() != 0) {
        report() << pdf << ": pdftocairo failed: " << pdftocairo.readAllStandardError() << '\n';
        return std::nullopt;
    }
    Sheet sheet;
    QXmlStreamReader svg(pdftocairo.readAllStandardOutput());
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = svg.attributes();
        if (attributes.hasAttribute(QLatin1String("transform"))) {
            report() << pdf << ": a transformed element, which this check does not read\n";
            return std::nullopt;
        }
        if (svg.name() == u"svg") {
            const QList<QStringView> box = attributes.value(QLatin1String("viewBox")).split(u' ');
            if (box.size() == 4)
                sheet.size = QSizeF(box.at(2).toDouble(), box.at(3).toDouble());
        } else if (svg.name() == u"path"
            && !addRectangles(attributes.value(QLatin1String("d")), sheet.rectangles)) {
            report() << pdf << ": a path that is not made of straight lines\n";
            return std::nullopt;
        }
    }
    if (svg.hasError() || sheet.size.isEmpty()) {
        report() << pdf << ": unreadable SVG: " << svg.errorString() << '\n';
        return std::nullopt;
    }
    return sheet;
}

double deviation(const QRectF& a, const QRectF& b)
{
    return std::max({std::abs(a.left() - b.left()), std::abs(a.right() - b.right()),
        std::abs(a.top() - b.top()), std::abs(a.bottom() - b.bottom())});
}

// Matches the card's boxes with the marks on its sheet, one for one. Boxes wholly off the sheet cannot
// be printed and are not looked for; every other box must be on the sheet whole.
bool checkCard(int card, const QList<QRectF>& boxes, const Sheet& sheet, QPointF origin, Tolerance tolerance)
{
    const QRectF paper(-origin * kTwipsPerPoint, sheet.size * kTwipsPerPoint);
    QList<QRectF> marks;
    for (const QRectF& rectangle : sheet.rectangles) {
        marks.append(
            QRectF((rectangle.topLeft() - origin) * kTwipsPerPoint, rectangle.size() * kTwipsPerPoint));
    }
    bool good = true;
    int offSheet = 0;
    double worst = 0;
    for (const QRectF& box : boxes) {
        if (!box.intersects(paper)) {
            ++offSheet;
            continue;
        }
        if (!paper.contains(box)) {
            report() << "card " << card << ": box " << box.left() << ',' << box.top()
                     << " lies across the edge of the sheet; choose a calibration that keeps it on or off\n";
            good = false;
            continue;
        }
        const auto nearest = std::min_element(marks.begin(), marks.end(),
            [&](const QRectF& a, const QRectF& b) { return deviation(a, box) < deviation(b, box); });
        if (nearest == marks.end() || deviation(*nearest, box) > tolerance.position) {
            report() << "card " << card << ": no mark at " << box.right() << ".." << box.left() << ", "
                     << box.top() << ".." << box.bottom() << '\n';
            good = false;
            continue;
        }
        if (std::abs(nearest->width() - kBoxWidth) > tolerance.size
            || std::abs(nearest->height() - kBoxHeight) > tolerance.size) {
            report() << "card " << card << ": mark of " << nearest->width() << " x " << nearest->height()
                     << " twips\n";
            good = false;
        }
        worst = std::max(worst, deviation(*nearest, box));
        marks.erase(nearest);
    }
    for (const QRectF& mark : marks) {
        report() << "card " << card << ": a mark nothing asked for at " << mark.left() << ',' << mark.top()
                 << '\n';
        good = false;
    }
    report() << "card " << card << ": " << boxes.size() - offSheet << " boxes on the sheet, " << offSheet
             << " off it; largest deviation " << worst << " twips" << (good ? "" : "; MISMATCH") << '\n';
    return good;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    Tolerance tolerance;
    if (arguments.size() > 2 && arguments.at(1) == u"--dot") {
        const double dpi = arguments.at(2).toDouble();
        if (dpi > 0)
            tolerance = {kTwipsPerInch / dpi, kTwipsPerInch / dpi};
        arguments.remove(1, 2);
    }
    if (arguments.size() < 4) {
        report() << "usage: pdf_marks [--dot DPI] BOXES LEFT,TOP PDF...\n"
                    "LEFT,TOP: the printable area's top-left corner in points from the sheet's\n";
        return 2;
    }
    const QList<QString> corner = arguments.at(2).split(u',');
    const std::optional<QMap<int, QList<QRectF>>> cards = readBoxes(arguments.at(1));
    if (!cards || corner.size() != 2) {
        report() << "unreadable boxes or corner\n";
        return 2;
    }
    const QStringList pdfs = arguments.mid(3);
    if (pdfs.size() != cards->size() || cards->lastKey() != cards->size()) {
        report() << pdfs.size() << " print jobs for " << cards->size() << " cards\n";
        return 1;
    }
    const QPointF origin(corner.at(0).toDouble(), corner.at(1).toDouble());
    bool good = true;
    for (qsizetype i = 0; i < pdfs.size(); ++i) {
        const int card = static_cast<int>(i + 1);
        const std::optional<Sheet> sheet = readSheet(pdfs.at(i));
        good = sheet && checkCard(card, cards->value(card), *sheet, origin, tolerance) && good;
    }
    return good ? 0 : 1;
}
