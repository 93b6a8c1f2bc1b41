#pragma once

#include "textbase/vater2_methoden_form.h"

namespace vx {

class TWWRelForm : public TVater2MethodenForm {
public:
    TWWRelForm() : TVater2MethodenForm("TWWRelForm", "Relations") {}
};

}  // namespace vx
