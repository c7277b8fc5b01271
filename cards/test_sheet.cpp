#include "cards/test_sheet.h"

#include "cards/calibration_correction.h"
#include "cards/card_preview.h"
#include "settings/calibration_boxes.h"

#include <algorithm>
#include <cmath>

namespace cards {

namespace {

constexpr double kCaptionHeight = 200; // twips: 10 points
constexpr double kRulerNumberHeight = 140; // 7 points
constexpr double kLabelHeight = 180; // 9 points
constexpr double kCrossReach = 5 * kTwipsPerMillimetre;

double mm(double millimetres)
{
    return millimetres * kTwipsPerMillimetre;
}

// Text of this height is taken to be at most this wide a character, to keep it off the outlines.
constexpr double kCharacterWidth = 0.6;

QRectF textBox(const DrawnText& text)
{
    return QRectF(text.topLeft,
        QSizeF(text.height * kCharacterWidth * static_cast<double>(text.text.size()), text.height));
}

bool clear(const QRectF& box, const Drawing& sheet)
{
    const auto hits = [&box](const QRectF& other) { return other.intersects(box); };
    return std::none_of(sheet.outlines.cbegin(), sheet.outlines.cend(), hits)
        && std::none_of(sheet.texts.cbegin(), sheet.texts.cend(),
            [&hits](const DrawnText& text) { return hits(textBox(text)); });
}

// Ticks every millimetre along the top and the left edge of the printable area, longer every 5 and
// 10 mm and too short to reach the top row of marks, numbered every 10 mm from the corner beside the
// long tick wherever the number leaves the outlines and labels clear.
void addRulers(Drawing& sheet, const PrinterDescription& printer)
{
    const QSizeF area = printer.paperMillimetres.shrunkBy(printer.marginsMillimetres);
    const auto tick = [](int millimetre) {
        return millimetre % 10 == 0 ? 1.5 : millimetre % 5 == 0 ? 1.1 : 0.75;
    };
    QList<DrawnText> numbers;
    for (int x = 0; x <= static_cast<int>(std::floor(area.width())); ++x) {
        sheet.lines.append(QLineF(mm(x), 0, mm(x), mm(tick(x))));
        if (x % 10 == 0 && x > 0)
            numbers.append({QPointF(mm(x) + mm(0.4), mm(0.1)), kRulerNumberHeight, QString::number(x)});
    }
    for (int y = 0; y <= static_cast<int>(std::floor(area.height())); ++y) {
        sheet.lines.append(QLineF(0, mm(y), mm(tick(y)), mm(y)));
        if (y % 10 == 0 && y > 0)
            numbers.append(
                {QPointF(mm(1.7), mm(y) - kRulerNumberHeight / 2), kRulerNumberHeight, QString::number(y)});
    }
    for (const DrawnText& number : numbers) {
        if (clear(textBox(number), sheet))
            sheet.texts.append(number);
    }
}

QString captionValues(const settings::Calibration& values)
{
    const settings::BoxTexts shown = settings::openingTexts({values, {}});
    QStringList parts;
    for (std::size_t i = 0; i < shown.size(); ++i)
        parts.append(settings::valueName(settings::kCalibrationValues.at(i)) + u' ' + shown.at(i));
    return parts.join(u'　');
}

} // namespace

TestSheet testSheet(tickets::Lottery lottery, const Placement& placement, const settings::Calibration& values,
    const PrinterDescription& printer, const QDate& date)
{
    TestSheet sheet {cardGrid(placement), placement.referenceMarks()};
    Drawing& drawing = sheet.underlay;
    // R1 beside its mark on the right, R2 under its mark: both clear of the grid's other outlines.
    const MarkPoint first = sheet.marks.first;
    const MarkPoint second = sheet.marks.second;
    drawing.texts.append({QPointF(first.x + kBoxWidth, first.y), kLabelHeight, QStringLiteral("R1")});
    drawing.texts.append({QPointF(second.x - kBoxWidth, second.y + kBoxHeight + kBoxWidth), kLabelHeight,
        QStringLiteral("R2")});
    drawing.lines.append(QLineF(-kCrossReach, 0, kCrossReach, 0));
    drawing.lines.append(QLineF(0, -kCrossReach, 0, kCrossReach));
    addRulers(drawing, printer);

    double bottom = 0;
    for (const QRectF& outline : drawing.outlines)
        bottom = std::max(bottom, outline.bottom());
    const QStringList caption {QStringLiteral("テスト印刷　%1").arg(tickets::lotteryName(lottery)),
        captionValues(values),
        QStringLiteral("プリンタ %1　%2").arg(printer.name, date.toString(QStringLiteral("yyyy/MM/dd"))),
        QStringLiteral(
            "カードを重ねて、R1 と R2 のマークが枠からずれている長さ (mm) を「位置合わせ」に入力します。")};
    double top = bottom + mm(10);
    for (const QString& line : caption) {
        drawing.texts.append({QPointF(mm(10), top), kCaptionHeight, line});
        top += kCaptionHeight * 1.5;
    }
    return sheet;
}

std::optional<PrintFailure> printTestSheet(tickets::Lottery lottery, const settings::Calibration& values,
    const QDir& dataDir, Printers& printers, const QDate& date)
{
    const std::variant<PrinterInUse, PrintFailure> described = describePrinterInUse(dataDir, printers);
    if (const auto* failure = std::get_if<PrintFailure>(&described))
        return *failure;
    const PrinterInUse& printer = std::get<PrinterInUse>(described);
    const std::variant<Placement, CalibrationFault> placed = Placement::of(lottery, values);
    if (const auto* fault = std::get_if<CalibrationFault>(&placed))
        return *fault;

    const TestSheet sheet
        = testSheet(lottery, std::get<Placement>(placed), values, printer.description, date);
    const std::unique_ptr<PrintSurface> surface = printers.cards(printer.name, sheet.underlay);
    for (const MarkPoint& mark : {sheet.marks.first, sheet.marks.second}) {
        if (auto reason = drawMark(*surface, mark))
            return SurfaceFault {*reason, 1};
    }
    if (auto reason = surface->endCard())
        return SurfaceFault {*reason, 1};
    return std::nullopt;
}

} // namespace cards
