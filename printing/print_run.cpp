#include "printing/print_run.h"

#include "core/shift_jis.h"

#include <functional>

namespace printing {

seams::PrintStep drawMark(seams::PrintSurface& surface, const MarkPoint& mark)
{
    const MarkBox box = boxAt(mark);
    return surface.box(static_cast<float>(box.right), static_cast<float>(box.top),
        static_cast<float>(box.left), static_cast<float>(box.bottom));
}

core::Result<Placement, PrintFailure> savedPlacement(
    lotteries::Lottery lottery, const QDir& dataDir, settings::SettingsFile::WhenMissing missing)
{
    const core::Result<settings::Calibration> calibration = settings::SettingsFile(dataDir).read(missing);
    if (!calibration.ok())
        return calibration.failure();
    core::Result<Placement, CalibrationFault> placed = Placement::of(lottery, calibration.value());
    if (!placed.ok())
        return placed.failure();
    return std::move(placed).value();
}

core::Result<void, PrintFailure> printCards(
    const lotteries::PrintFile& printFile, const QDir& dataDir, seams::PrintSurface& surface)
{
    const core::Result<Placement, PrintFailure> placed = savedPlacement(printFile.rules().lottery, dataDir);
    if (!placed.ok())
        return placed.failure();
    const core::Result<core::Lines> lines = printFile.lines();
    if (!lines.ok())
        return lines.failure();
    return drawCards(placed.value(), lines.value(), surface);
}

core::Result<void, PrintFailure> drawCards(
    const Placement& placement, const core::Lines& lines, seams::PrintSurface& surface)
{
    core::ShiftJisDecoder decode;
    int entries = 0; // on the card being drawn
    int card = 1;
    for (const QByteArray& line : lines) {
        ++entries;
        for (const MarkPoint& mark : placement.marks(entries, decode(line))) {
            if (const seams::PrintStep drawn = drawMark(surface, mark); !drawn.ok())
                return SurfaceFault {drawn.failure(), card};
        }
        if (entries == kSlotsPerCard) {
            if (const seams::PrintStep ended = surface.endCard(); !ended.ok())
                return SurfaceFault {ended.failure(), card};
            entries = 0;
            ++card;
        }
    }
    if (entries != 0) {
        if (const seams::PrintStep ended = surface.endCard(); !ended.ok())
            return SurfaceFault {ended.failure(), card};
    }
    return {};
}

namespace {

// Runs print on the cards of the printer in use; a chosen printer that has gone is reported first.
core::Result<void, PrintFailure> onPrinterInUse(const QDir& dataDir, seams::Printers& printers,
    const std::function<core::Result<void, PrintFailure>(seams::PrintSurface&)>& print)
{
    const core::Result<QString, PrintFailure> printer = printerInUse(dataDir, printers);
    if (!printer.ok())
        return printer.failure();
    const std::unique_ptr<seams::PrintSurface> surface = printers.cards(printer.value(), {});
    return print(*surface);
}

} // namespace

core::Result<void, PrintFailure> printCards(
    const lotteries::PrintFile& printFile, const QDir& dataDir, seams::Printers& printers)
{
    return onPrinterInUse(dataDir, printers,
        [&](seams::PrintSurface& surface) { return printCards(printFile, dataDir, surface); });
}

core::Result<void, PrintFailure> printLines(
    lotteries::Lottery lottery, const core::Lines& lines, const QDir& dataDir, seams::Printers& printers)
{
    return onPrinterInUse(
        dataDir, printers, [&](seams::PrintSurface& surface) -> core::Result<void, PrintFailure> {
            const core::Result<Placement, PrintFailure> placed = savedPlacement(lottery, dataDir);
            if (!placed.ok())
                return placed.failure();
            return drawCards(placed.value(), lines, surface);
        });
}

} // namespace printing
