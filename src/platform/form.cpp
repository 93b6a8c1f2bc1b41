#include "platform/form.h"

namespace vx {

TForm::TForm(std::string name, std::string caption)
    : Name(std::move(name)), Caption(std::move(caption)) {}

void TForm::Show() {
    Visible = true;
    ++showRequests_;
}

void TForm::Close() {
    FormClose();
    Hide();
}

}  // namespace vx
