#include "ui/prompter.h"

#include "ui/app_info.h"

namespace ui {

QString fileFailureText(const QString& what, const core::FileFailure& failure)
{
    return QStringLiteral("%1\n\n%2\n\n理由: %3").arg(what, failure.path, failure.reason);
}

Prompt fileFailurePrompt(const core::FileFailure& failure)
{
    return {applicationTitle(),
        fileFailureText(
            QStringLiteral("ファイルを読み書きできませんでした。ファイルは元のままです。"), failure),
        PromptIcon::Exclamation, PromptButtons::Ok};
}

} // namespace ui
