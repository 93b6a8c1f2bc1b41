#pragma once

#include "textbase/vater2_methoden_form.h"

namespace vx {

class TWWRelReadForm : public TVater2MethodenForm {
public:
    TWWRelReadForm() : TVater2MethodenForm("TWWRelReadForm", "Relations (read only)") {}
};

}  // namespace vx
