#pragma once

#include "platform/form.h"

namespace vx {

class TInterprtForm : public TForm {
public:
    TInterprtForm() : TForm("TInterprtForm", "BV Interpretation") {}
};

}  // namespace vx
