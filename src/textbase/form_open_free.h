#pragma once

#include "platform/form.h"

namespace vx {

class TFormOpenFree : public TForm {
public:
    TFormOpenFree() : TForm("TFormOpenFree", "Open Free") {}
};

}  // namespace vx
