#pragma once

#include "platform/form.h"

namespace vx {

class TFormTSRels : public TForm {
public:
    TFormTSRels() : TForm("TFormTSRels", "TS Relations") {}
};

}  // namespace vx
