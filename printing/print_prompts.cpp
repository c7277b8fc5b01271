#include "printing/print_prompts.h"

#include "printing/printer_messages.h"
#include "settings/numeric_text.h"
#include "ui/app_info.h"

namespace printing {

namespace {

ui::Prompt calibrationPrompt(const CalibrationFault& fault)
{
    return {ui::calibrationTitle(),
        QStringLiteral("「%1」の値 %2 では印刷できません。\n「%3」で値を直してください。")
            .arg(settings::valueName(fault.value), settings::valueText(fault.number), ui::calibrationTitle()),
        ui::PromptIcon::Critical, ui::PromptButtons::Ok};
}

// Every card before the one the run stopped at is a job the printer took, so the message says where the
// printed cards end. The fault's text names the printer and goes in as it is.
ui::Prompt printerPrompt(const QString& title, const SurfaceFault& fault)
{
    const QString stopped = QString::number(fault.card);
    const QString sent = fault.card == 1 ? QStringLiteral("プリンタに送ったカードはありません。")
        : fault.card == 2 ? QStringLiteral("1 枚目のカードはプリンタに送りました。")
                          : QStringLiteral("1～%1 枚目のカードはプリンタに送りました。").arg(fault.card - 1);
    return {title,
        QStringLiteral("%1\n%2 枚目のカードで印刷を止めました。%3").arg(fault.reason, stopped, sent),
        ui::PromptIcon::Critical, ui::PromptButtons::Ok};
}

// A card printed on another printer than the chosen one would be a wasted card: nothing is printed.
ui::Prompt missingPrinterPrompt(const QString& title, const MissingPrinter& missing)
{
    return {title,
        printerNotFoundReason(missing.name)
            + QStringLiteral("「%1」で選び直してください。").arg(ui::printerSetupTitle()),
        ui::PromptIcon::Critical, ui::PromptButtons::Ok};
}

} // namespace

ui::Prompt printFailurePrompt(const PrintFailure& failure, const QString& title)
{
    if (const auto* file = std::get_if<core::FileFailure>(&failure))
        return ui::fileFailurePrompt(*file);
    if (const auto* fault = std::get_if<CalibrationFault>(&failure))
        return calibrationPrompt(*fault);
    if (const auto* missing = std::get_if<MissingPrinter>(&failure))
        return missingPrinterPrompt(title, *missing);
    return printerPrompt(title, std::get<SurfaceFault>(failure));
}

} // namespace printing
