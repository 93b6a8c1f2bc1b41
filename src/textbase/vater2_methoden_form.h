#pragma once

#include "platform/form.h"

namespace vx {

class TVater2MethodenForm : public TForm {
public:
    TVater2MethodenForm() : TForm("TVater2MethodenForm", "Relations") {}

protected:
    TVater2MethodenForm(std::string name, std::string caption)
        : TForm(std::move(name), std::move(caption)) {}
};

}  // namespace vx
