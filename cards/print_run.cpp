#include "cards/print_run.h"

#include "cards/printer_messages.h"
#include "core/shift_jis.h"

namespace cards {

std::optional<QString> drawMark(ui::PrintSurface& surface, const MarkPoint& mark)
{
    const MarkBox box = boxAt(mark);
    return surface.box(static_cast<float>(box.right), static_cast<float>(box.top),
        static_cast<float>(box.left), static_cast<float>(box.bottom));
}

std::variant<PrinterInUse, PrintFailure> describePrinterInUse(
    const QDir& dataDir, const ui::Printers& printers)
{
    const std::variant<QString, core::FileFailure, MissingPrinter> inUse = printerInUse(dataDir, printers);
    if (const auto* failure = std::get_if<core::FileFailure>(&inUse))
        return *failure;
    if (const auto* missing = std::get_if<MissingPrinter>(&inUse))
        return *missing;
    const QString chosen = std::get<QString>(inUse);
    const QString name = printers.named(chosen);
    const std::optional<ui::PrinterDescription> described
        = name.isEmpty() ? std::nullopt : printers.describe(name);
    if (!described)
        return SurfaceFault {noDefaultPrinterReason(), 1};
    return PrinterInUse {chosen, *described};
}

std::variant<Placement, PrintFailure> savedPlacement(
    lotteries::Lottery lottery, const QDir& dataDir, settings::SettingsFile::WhenMissing missing)
{
    const core::FileResult<settings::Calibration> calibration = settings::SettingsFile(dataDir).read(missing);
    if (!calibration.ok())
        return calibration.failure();
    std::variant<Placement, CalibrationFault> placed = Placement::of(lottery, calibration.value());
    if (const auto* fault = std::get_if<CalibrationFault>(&placed))
        return *fault;
    return std::get<Placement>(std::move(placed));
}

std::optional<PrintFailure> printCards(
    const lotteries::PrintFile& printFile, const QDir& dataDir, ui::PrintSurface& surface)
{
    const std::variant<Placement, PrintFailure> placed = savedPlacement(printFile.rules().lottery, dataDir);
    if (const auto* failure = std::get_if<PrintFailure>(&placed))
        return *failure;
    const core::FileResult<core::Lines> lines = printFile.lines();
    if (!lines.ok())
        return lines.failure();
    return drawCards(std::get<Placement>(placed), lines.value(), surface);
}

std::optional<PrintFailure> drawCards(
    const Placement& placement, const core::Lines& lines, ui::PrintSurface& surface)
{
    core::ShiftJisDecoder decode;
    int entries = 0; // on the card being drawn
    int card = 1;
    for (const QByteArray& line : lines) {
        ++entries;
        for (const MarkPoint& mark : placement.marks(entries, decode(line))) {
            if (auto reason = drawMark(surface, mark))
                return SurfaceFault {*reason, card};
        }
        if (entries == kSlotsPerCard) {
            if (auto reason = surface.endCard())
                return SurfaceFault {*reason, card};
            entries = 0;
            ++card;
        }
    }
    if (entries != 0) {
        if (auto reason = surface.endCard())
            return SurfaceFault {*reason, card};
    }
    return std::nullopt;
}

std::optional<PrintFailure> printCards(
    const lotteries::PrintFile& printFile, const QDir& dataDir, ui::Printers& printers)
{
    const std::variant<QString, core::FileFailure, MissingPrinter> printer = printerInUse(dataDir, printers);
    if (const auto* failure = std::get_if<core::FileFailure>(&printer))
        return *failure;
    if (const auto* missing = std::get_if<MissingPrinter>(&printer))
        return *missing;
    const std::unique_ptr<ui::PrintSurface> surface = printers.cards(std::get<QString>(printer), {});
    return printCards(printFile, dataDir, *surface);
}

} // namespace cards
