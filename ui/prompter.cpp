#include "ui/prompter.h"

#include "ui/app_info.h"

namespace ui {

Prompt fileFailurePrompt(const core::FileFailure& failure)
{
    return {applicationTitle(),
        QStringLiteral("ファイルを読み書きできませんでした。ファイルは元のままです。\n\n%1\n\n理由: %2")
            .arg(failure.path, failure.reason),
        PromptIcon::Exclamation, PromptButtons::Ok};
}

} // namespace ui
