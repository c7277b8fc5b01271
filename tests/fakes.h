// Stand-ins for the seams: they record what the program asked for and answer as scripted.
#pragma once

#include "app/launcher.h"
#include "app/prompter.h"

#include <QList>

namespace fakes {

struct RecordingLauncher final : app::Launcher {
    bool startDetached(
        const QString& program, const QStringList& arguments, const QString& workingDirectory) override
    {
        started.append(QStringList {program} + arguments + QStringList {workingDirectory});
        return succeeds;
    }
    bool openWithDefaultHandler(const QUrl& url) override
    {
        opened.append(url);
        return succeeds;
    }

    bool succeeds = true;
    QList<QStringList> started;
    QList<QUrl> opened;
};

// Answers Yes/No questions from a script (Yes when the script is empty) and OK boxes with OK.
struct ScriptedPrompter final : app::Prompter {
    app::PromptAnswer ask(QWidget*, const app::Prompt& prompt) override
    {
        asked.append(prompt);
        if (prompt.buttons == app::PromptButtons::Ok)
            return app::PromptAnswer::Ok;
        return answers.isEmpty() ? app::PromptAnswer::Yes : answers.takeFirst();
    }

    QList<app::PromptAnswer> answers;
    QList<app::Prompt> asked;
};

} // namespace fakes
