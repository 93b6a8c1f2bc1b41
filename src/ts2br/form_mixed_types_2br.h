#pragma once

#include "platform/form.h"

namespace vx {

// Created with the other windows, but no operation of the system shows it, so it has no
// controls or operations yet.
class TFormMixedTypes2BR : public TForm {
public:
    TFormMixedTypes2BR() : TForm("TFormMixedTypes2BR", "Mixed Types 2BR") {}
};

}  // namespace vx
