#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "platform/ui.h"

namespace vx::cli {

// The Ui of the batch tool: every message is written to a stream as its text, with "\r" as
// line breaks, followed by a line "--- end". Questions and dialogs are written the same way
// and answered Cancel; nothing waits for a person.
class ConsoleUi : public Ui {
public:
    explicit ConsoleUi(std::ostream& messages) : messages_(messages) {}

    void ShowMessage(std::string_view text) override;
    ModalResult AskYesNoCancel(std::string_view text) override;
    ModalResult ShowModal(ModalForm& dialog) override;
    // The date in the short format of the C library's locale, unless a fixed date is set.
    std::string ShortDateToday() override;

    std::optional<std::string> FixedDate;

private:
    std::ostream& messages_;
};

}  // namespace vx::cli
