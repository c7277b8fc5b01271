#include "cards/printer_in_use.h"

#include "cards/printer_messages.h"
#include "settings/program_settings.h"

namespace cards {

core::Result<QString, PrintFailure> printerInUse(const QDir& dataDir, const ui::Printers& printers)
{
    const core::Result<QString> chosen = settings::readChosenPrinter(dataDir);
    if (!chosen.ok())
        return chosen.failure();
    if (!chosen.value().isEmpty() && !printers.describe(chosen.value()))
        return MissingPrinter {chosen.value()};
    return chosen.value();
}

core::Result<PrinterInUse, PrintFailure> describePrinterInUse(
    const QDir& dataDir, const ui::Printers& printers)
{
    const core::Result<QString, PrintFailure> chosen = printerInUse(dataDir, printers);
    if (!chosen.ok())
        return chosen.failure();
    const QString name = printers.named(chosen.value());
    const std::optional<ui::PrinterDescription> described
        = name.isEmpty() ? std::nullopt : printers.describe(name);
    if (!described)
        return SurfaceFault {noDefaultPrinterReason(), 1};
    return PrinterInUse {chosen.value(), *described};
}

} // namespace cards
