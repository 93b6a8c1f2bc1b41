#pragma once

#include "platform/form.h"

namespace vx {

class TSetBRForm : public TForm {
public:
    TSetBRForm() : TForm("TSetBRForm", "Set BR Step") {}
    // Opens the wizard.
    void Oeffne() {}
};

}  // namespace vx
