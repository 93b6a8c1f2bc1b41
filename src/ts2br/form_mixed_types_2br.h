#pragma once

#include "platform/form.h"

namespace vx {

class TFormMixedTypes2BR : public TForm {
public:
    TFormMixedTypes2BR() : TForm("TFormMixedTypes2BR", "Mixed Types 2BR") {}
};

}  // namespace vx
