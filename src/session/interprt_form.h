#pragma once

#include "platform/form.h"

namespace vx {

// Created with the other windows, but no operation of the system shows it, so it has no
// controls or operations yet.
class TInterprtForm : public TForm {
public:
    TInterprtForm() : TForm("TInterprtForm", "BV Interpretation") {}
};

}  // namespace vx
