#include "calibration/test_sheet.h"

#include "calibration/calibration_boxes.h"
#include "calibration/calibration_correction.h"
#include "core/units.h"
#include "printing/card_preview.h"

#include <algorithm>
#include <cmath>

namespace calibration {

namespace {

constexpr double kCaptionHeight = 200; // twips: 10 points
constexpr double kRulerNumberHeight = 140; // 7 points
constexpr double kLabelHeight = 180; // 9 points
constexpr double kCrossReach = 5 * core::kTwipsPerMillimetre;

double mm(double millimetres)
{
    return millimetres * core::kTwipsPerMillimetre;
}

// Text of this height is taken to be at most this wide a character, to keep it off the outlines.
constexpr double kCharacterWidth = 0.6;

QRectF textBox(const seams::DrawnText& text)
{
    return QRectF(text.topLeft,
        QSizeF(text.height * kCharacterWidth * static_cast<double>(text.text.size()), text.height));
}

bool clear(const QRectF& box, const seams::Drawing& sheet)
{
    const auto hits = [&box](const QRectF& other) { return other.intersects(box); };
    return std::none_of(sheet.outlines.cbegin(), sheet.outlines.cend(), hits)
        && std::none_of(sheet.texts.cbegin(), sheet.texts.cend(),
            [&hits](const seams::DrawnText& text) { return hits(textBox(text)); });
}

// Ticks every millimetre along the top and the left edge of the printable area, longer every 5 and
// 10 mm and too short to reach the top row of marks, numbered every 10 mm from the corner beside the
// long tick wherever the number leaves the outlines and labels clear.
void addRulers(seams::Drawing& sheet, const seams::PrinterDescription& printer)
{
    const QSizeF area = printer.paperMillimetres.shrunkBy(printer.marginsMillimetres);
    const auto tick = [](int millimetre) {
        return millimetre % 10 == 0 ? 1.5 : millimetre % 5 == 0 ? 1.1 : 0.75;
    };
    QList<seams::DrawnText> numbers;
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
    for (const seams::DrawnText& number : numbers) {
        if (clear(textBox(number), sheet))
            sheet.texts.append(number);
    }
}

QString captionValues(const settings::Calibration& values)
{
    const calibration::BoxTexts shown = calibration::openingTexts({values, {}});
    QStringList parts;
    for (std::size_t i = 0; i < shown.size(); ++i)
        parts.append(settings::valueName(settings::kCalibrationValues.at(i)) + u' ' + shown.at(i));
    return parts.join(u'　');
}

} // namespace

TestSheet testSheet(lotteries::Lottery lottery, const printing::Placement& placement,
    const settings::Calibration& values, const seams::PrinterDescription& printer, const QDate& date)
{
    TestSheet sheet {printing::cardGrid(placement), placement.referenceMarks()};
    seams::Drawing& drawing = sheet.underlay;
    // R1 beside its mark on the right, R2 under its mark: both clear of the grid's other outlines.
    const printing::MarkPoint first = sheet.marks.first;
    const printing::MarkPoint second = sheet.marks.second;
    drawing.texts.append(
        {QPointF(first.x + printing::kBoxWidth, first.y), kLabelHeight, QStringLiteral("R1")});
    drawing.texts.append(
        {QPointF(second.x - printing::kBoxWidth, second.y + printing::kBoxHeight + printing::kBoxWidth),
            kLabelHeight, QStringLiteral("R2")});
    drawing.lines.append(QLineF(-kCrossReach, 0, kCrossReach, 0));
    drawing.lines.append(QLineF(0, -kCrossReach, 0, kCrossReach));
    addRulers(drawing, printer);

    double bottom = 0;
    for (const QRectF& outline : drawing.outlines)
        bottom = std::max(bottom, outline.bottom());
    const QStringList caption {QStringLiteral("テスト印刷　%1").arg(lotteries::lotteryName(lottery)),
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

core::Result<void, printing::PrintFailure> printTestSheet(lotteries::Lottery lottery,
    const settings::Calibration& values, const QDir& dataDir, seams::Printers& printers, const QDate& date)
{
    const core::Result<printing::PrinterInUse, printing::PrintFailure> described
        = printing::describePrinterInUse(dataDir, printers);
    if (!described.ok())
        return described.failure();
    const printing::PrinterInUse& printer = described.value();
    const core::Result<printing::Placement, printing::CalibrationFault> placed
        = printing::Placement::of(lottery, values);
    if (!placed.ok())
        return placed.failure();

    const TestSheet sheet = testSheet(lottery, placed.value(), values, printer.description, date);
    const std::unique_ptr<seams::PrintSurface> surface = printers.cards(printer.name, sheet.underlay);
    for (const printing::MarkPoint& mark : {sheet.marks.first, sheet.marks.second}) {
        if (const seams::PrintStep drawn = printing::drawMark(*surface, mark); !drawn.ok())
            return printing::SurfaceFault {drawn.failure(), 1};
    }
    if (const seams::PrintStep ended = surface->endCard(); !ended.ok())
        return printing::SurfaceFault {ended.failure(), 1};
    return {};
}

} // namespace calibration
