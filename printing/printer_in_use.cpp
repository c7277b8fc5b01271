#include "printing/printer_in_use.h"

#include "printing/printer_messages.h"
#include "settings/program_settings.h"

namespace printing {

core::Result<QString, PrintFailure> printerInUse(const QDir& dataDir, const seams::Printers& printers)
{
    const core::Result<QString> chosen = settings::readChosenPrinter(dataDir);
    if (!chosen.ok())
        return chosen.failure();
    if (!chosen.value().isEmpty() && !printers.describe(chosen.value()))
        return MissingPrinter {chosen.value()};
    return printers.named(chosen.value());
}

core::Result<PrinterInUse, PrintFailure> describePrinterInUse(
    const QDir& dataDir, const seams::Printers& printers)
{
    const core::Result<QString, PrintFailure> name = printerInUse(dataDir, printers);
    if (!name.ok())
        return name.failure();
    const std::optional<seams::PrinterDescription> described
        = name.value().isEmpty() ? std::nullopt : printers.describe(name.value());
    if (!described)
        return SurfaceFault {noDefaultPrinterReason(), 1};
    return PrinterInUse {name.value(), *described};
}

} // namespace printing
