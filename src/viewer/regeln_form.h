#pragma once

#include "platform/form.h"

namespace vx {

class TRegelnForm : public TForm {
public:
    TRegelnForm() : TForm("TRegelnForm", "Regeln") {}
};

}  // namespace vx
