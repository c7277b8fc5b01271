#include "calibration/test_sheet.h"

#include "calibration/calibration_boxes.h"
#include "calibration/calibration_correction.h"
#include "cards/card_preview.h"
#include "core/units.h"

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

QRectF textBox(const ui::DrawnText& text)
{
    return QRectF(text.topLeft,
        QSizeF(text.height * kCharacterWidth * static_cast<double>(text.text.size()), text.height));
}

bool clear(const QRectF& box, const ui::Drawing& sheet)
{
    const auto hits = [&box](const QRectF& other) { return other.intersects(box); };
    return std::none_of(sheet.outlines.cbegin(), sheet.outlines.cend(), hits)
        && std::none_of(sheet.texts.cbegin(), sheet.texts.cend(),
            [&hits](const ui::DrawnText& text) { return hits(textBox(text)); });
}

// Ticks every millimetre along the top and the left edge of the printable area, longer every 5 and
// 10 mm and too short to reach the top row of marks, numbered every 10 mm from the corner beside the
// long tick wherever the number leaves the outlines and labels clear.
void addRulers(ui::Drawing& sheet, const ui::PrinterDescription& printer)
{
    const QSizeF area = printer.paperMillimetres.shrunkBy(printer.marginsMillimetres);
    const auto tick = [](int millimetre) {
        return millimetre % 10 == 0 ? 1.5 : millimetre % 5 == 0 ? 1.1 : 0.75;
    };
    QList<ui::DrawnText> numbers;
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
    for (const ui::DrawnText& number : numbers) {
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

TestSheet testSheet(lotteries::Lottery lottery, const cards::Placement& placement,
    const settings::Calibration& values, const ui::PrinterDescription& printer, const QDate& date)
{
    TestSheet sheet {cards::cardGrid(placement), placement.referenceMarks()};
    ui::Drawing& drawing = sheet.underlay;
    // R1 beside its mark on the right, R2 under its mark: both clear of the grid's other outlines.
    const cards::MarkPoint first = sheet.marks.first;
    const cards::MarkPoint second = sheet.marks.second;
    drawing.texts.append({QPointF(first.x + cards::kBoxWidth, first.y), kLabelHeight, QStringLiteral("R1")});
    drawing.texts.append(
        {QPointF(second.x - cards::kBoxWidth, second.y + cards::kBoxHeight + cards::kBoxWidth), kLabelHeight,
            QStringLiteral("R2")});
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

core::Result<void, cards::PrintFailure> printTestSheet(lotteries::Lottery lottery,
    const settings::Calibration& values, const QDir& dataDir, ui::Printers& printers, const QDate& date)
{
    const core::Result<cards::PrinterInUse, cards::PrintFailure> described
        = cards::describePrinterInUse(dataDir, printers);
    if (!described.ok())
        return described.failure();
    const cards::PrinterInUse& printer = described.value();
    const core::Result<cards::Placement, cards::CalibrationFault> placed
        = cards::Placement::of(lottery, values);
    if (!placed.ok())
        return placed.failure();

    const TestSheet sheet = testSheet(lottery, placed.value(), values, printer.description, date);
    const std::unique_ptr<ui::PrintSurface> surface = printers.cards(printer.name, sheet.underlay);
    for (const cards::MarkPoint& mark : {sheet.marks.first, sheet.marks.second}) {
        if (auto reason = cards::drawMark(*surface, mark))
            return cards::SurfaceFault {*reason, 1};
    }
    if (auto reason = surface->endCard())
        return cards::SurfaceFault {*reason, 1};
    return {};
}

} // namespace calibration
