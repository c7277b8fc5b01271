// Modal message boxes, behind a seam so that tests can answer them and check what was asked.
#pragma once

#include "core/result.h"

#include <QString>

class QWidget;

namespace ui {

enum class PromptIcon { None, Information, Exclamation, Critical };
enum class PromptButtons { Ok, YesNo }; // with Yes and No, Yes is the default button
enum class PromptAnswer { Ok, Yes, No };

struct Prompt {
    QString title;
    QString text;
    PromptIcon icon;
    PromptButtons buttons;

    bool operator==(const Prompt&) const = default;
};

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual PromptAnswer ask(QWidget* parent, const Prompt& prompt) = 0;
};

// What happened, then the file and the system's reason, each on a paragraph of its own.
QString fileFailureText(const QString& what, const core::FileFailure& failure);

// Tells the user which file could not be read or written and why; the file itself is unchanged.
Prompt fileFailurePrompt(const core::FileFailure& failure);

} // namespace ui
