#include "cli/console_ui.h"

#include <ctime>

#include "platform/form.h"

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
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[64];
    const std::size_t size = std::strftime(text, sizeof text, "%x", &local);
    return std::string(text, size);
}

}  // namespace vx::cli
