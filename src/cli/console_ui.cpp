#include "cli/console_ui.h"

#include "platform/form.h"
#include "platform/system_date.h"

namespace vx::cli {

void ConsoleUi::ShowMessage(std::string_view text) {
    for (char c : text) {
        messages_ << (c == '\r' ? '\n' : c);
    }
    messages_ << "\n--- end\n";
    messages_.flush();
}

ModalResult ConsoleUi::AskYesNoCancel(std::string_view text) {
    ShowMessage(text);
    return ModalResult::Cancel;
}

ModalResult ConsoleUi::ShowModal(ModalForm& dialog) {
    ShowMessage(dialog.Caption);
    return ModalResult::Cancel;
}

std::string ConsoleUi::ShortDateToday() {
    if (FixedDate) {
        return *FixedDate;
    }
    return SystemShortDate();
}

}  // namespace vx::cli
