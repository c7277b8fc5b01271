#pragma once

#include "app/prompter.h"

namespace app {

class MessageBoxPrompter final : public Prompter {
public:
    PromptAnswer ask(QWidget* parent, const Prompt& prompt) override;
};

} // namespace app
