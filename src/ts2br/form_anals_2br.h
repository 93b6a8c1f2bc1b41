#pragma once

#include "platform/form.h"

namespace vx {

class TFormAnals2BR : public TForm {
public:
    TFormAnals2BR() : TForm("TFormAnals2BR", "Analysis 2BR") {}
};

}  // namespace vx
