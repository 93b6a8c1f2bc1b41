#include "platform/scripted_ui.h"

#include "platform/form.h"

namespace vx {

void ScriptedUi::QueueDialog(DialogAction action, std::string expectedName) {
    dialogs_.push_back({std::move(action), std::move(expectedName)});
}

void ScriptedUi::ShowMessage(std::string_view text) {
    Messages.emplace_back(text);
    Log.push_back("message: " + std::string(text));
}

ModalResult ScriptedUi::AskYesNoCancel(std::string_view text) {
    Questions.emplace_back(text);
    Log.push_back("question: " + std::string(text));
    if (answers_.empty()) {
        Unexpected.push_back("question: " + std::string(text));
        return ModalResult::Cancel;
    }
    const ModalResult answer = answers_.front();
    answers_.pop_front();
    return answer;
}

ModalResult ScriptedUi::ShowModal(ModalForm& dialog) {
    Dialogs.push_back(dialog.Name);
    Log.push_back("dialog: " + dialog.Name);
    dialog.ModalAnswer = ModalResult::None;
    if (dialogs_.empty()) {
        Unexpected.push_back("dialog: " + dialog.Name);
        return ModalResult::Cancel;
    }
    QueuedDialog next = std::move(dialogs_.front());
    dialogs_.pop_front();
    if (!next.expectedName.empty() && next.expectedName != dialog.Name) {
        Unexpected.push_back("dialog: " + dialog.Name + " instead of " + next.expectedName);
    }
    dialog.Visible = true;
    next.action(dialog);
    dialog.Visible = false;
    return dialog.ModalAnswer == ModalResult::None ? ModalResult::Cancel : dialog.ModalAnswer;
}

void ScriptedUi::ClearRecords() {
    Messages.clear();
    Questions.clear();
    Dialogs.clear();
    Log.clear();
    Unexpected.clear();
}

}  // namespace vx
