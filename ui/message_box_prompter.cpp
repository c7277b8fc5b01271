#include "ui/message_box_prompter.h"

#include <QMessageBox>

namespace ui {

namespace {

QMessageBox::Icon iconOf(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::None:
        return QMessageBox::NoIcon;
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Exclamation:
        return QMessageBox::Warning;
    case PromptIcon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

PromptAnswer MessageBoxPrompter::ask(QWidget* parent, const Prompt& prompt)
{
    const bool yesNo = prompt.buttons == PromptButtons::YesNo;
    // The texts break their lines with CR, as message boxes on Windows do; a label breaks at LF.
    QString text = prompt.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QMessageBox box(iconOf(prompt.icon), prompt.title, text,
        yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    const int answer = box.exec();
    if (!yesNo)
        return PromptAnswer::Ok;
    return answer == QMessageBox::Yes ? PromptAnswer::Yes : PromptAnswer::No;
}

} // namespace ui
