#pragma once

#include "platform/form.h"

namespace vx {

class THilfeForm : public TForm {
public:
    THilfeForm() : TForm("THilfeForm", "Hilfe") {}
    // Shows the help window when it is hidden.
    void OpenHelp() { Show(); }
};

}  // namespace vx
