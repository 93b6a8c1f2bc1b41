#include "platform/form.h"

namespace vx {

TForm::TForm(std::string name, std::string caption)
    : Name(std::move(name)), Caption(std::move(caption)) {}

void TForm::Show() {
    Visible = true;
    ++showRequests_;
}

bool TForm::Close() {
    if (!CloseQuery()) {
        return false;
    }
    FormClose();
    Hide();
    return true;
}

}  // namespace vx
