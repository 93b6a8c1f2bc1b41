#pragma once

#include "platform/form.h"

namespace vx {

class TDlgForm2BR : public TForm {
public:
    TDlgForm2BR() : TForm("TDlgForm2BR", "2BR") {}
};

}  // namespace vx
