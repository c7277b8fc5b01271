#include "cards/print_run.h"

#include "tickets/entry.h"
#include "tickets/print_file.h"

namespace cards {

std::optional<PrintFailure> printCards(tickets::Lottery lottery, const QDir& dataDir, PrintSurface& surface)
{
    const core::FileResult<settings::Calibration> calibration = settings::SettingsFile(dataDir).read();
    if (!calibration.ok())
        return calibration.failure();
    const std::variant<Placement, CalibrationFault> placed = Placement::of(lottery, calibration.value());
    if (const auto* fault = std::get_if<CalibrationFault>(&placed))
        return *fault;
    const Placement& placement = std::get<Placement>(placed);
    const core::FileResult<core::Lines> lines
        = tickets::PrintFile(tickets::rulesOf(lottery), dataDir).lines();
    if (!lines.ok())
        return lines.failure();

    tickets::LineDecoder decode;
    int entries = 0; // on the card being drawn
    int card = 1;
    for (const QByteArray& line : lines.value()) {
        ++entries;
        for (const MarkPoint& mark : placement.marks(entries, decode(line))) {
            // Worked out in double precision, handed over in single precision as the printer takes it.
            const auto x1 = static_cast<float>(mark.x);
            const auto y1 = static_cast<float>(mark.y);
            const auto x2 = static_cast<float>(mark.x - kBoxWidth);
            const auto y2 = static_cast<float>(mark.y + kBoxHeight);
            if (auto reason = surface.box(x1, y1, x2, y2))
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

std::optional<PrintFailure> printCards(tickets::Lottery lottery, const QDir& dataDir, Printers& printers)
{
    const std::variant<QString, core::FileFailure, MissingPrinter> printer = printerInUse(dataDir, printers);
    if (const auto* failure = std::get_if<core::FileFailure>(&printer))
        return *failure;
    if (const auto* missing = std::get_if<MissingPrinter>(&printer))
        return *missing;
    const std::unique_ptr<PrintSurface> surface = printers.cards(std::get<QString>(printer));
    return printCards(lottery, dataDir, *surface);
}

} // namespace cards
