#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace vx {

// The Ui of tests: records every message and question in order, answers questions from a
// queue and plays a queued action inside each modal dialog.
class ScriptedUi : public Ui {
public:
    using DialogAction = std::function<void(ModalForm&)>;

    // Answers the next question.
    void QueueAnswer(ModalResult answer) { answers_.push_back(answer); }
    // Plays `action` in the next modal dialog; with a name, that dialog must be the one
    // shown (its Name), otherwise it counts as unexpected. ShowModal returns the dialog's
    // ModalAnswer after the action, or Cancel when the action left it unset.
    void QueueDialog(DialogAction action, std::string expectedName = {});

    void ShowMessage(std::string_view text) override;
    ModalResult AskYesNoCancel(std::string_view text) override;
    ModalResult ShowModal(ModalForm& dialog) override;
    std::string ShortDateToday() override { return Date; }
    void ProcessEvents() override { ++ProcessEventsCalls; }

    std::vector<std::string> Messages;   // message boxes, in order
    std::vector<std::string> Questions;  // Yes/No/Cancel questions, in order
    std::vector<std::string> Dialogs;    // names of the modal dialogs shown, in order
    // Everything in order: "message: ...", "question: ...", "dialog: ...".
    std::vector<std::string> Log;
    // Questions and dialogs that found nothing queued, or a dialog other than expected.
    std::vector<std::string> Unexpected;
    std::string Date = "06.12.2026";
    int ProcessEventsCalls = 0;

    bool AllAnswersUsed() const { return answers_.empty() && dialogs_.empty(); }
    // Forgets the answers and dialog actions that nothing asked for.
    void DropQueued() {
        answers_.clear();
        dialogs_.clear();
    }
    void ClearRecords();

private:
    struct QueuedDialog {
        DialogAction action;
        std::string expectedName;
    };
    std::deque<ModalResult> answers_;
    std::deque<QueuedDialog> dialogs_;
};

}  // namespace vx
