// The prompter the program uses: each prompt as a modal QMessageBox with its icon and buttons.
#pragma once

#include "ui/prompter.h"

namespace ui {

class MessageBoxPrompter final : public Prompter {
public:
    PromptAnswer ask(QWidget* parent, const Prompt& prompt) override;
};

} // namespace ui
