#pragma once

#include "platform/form.h"

namespace vx {

class TFormSaveAs : public TForm {
public:
    TFormSaveAs() : TForm("TFormSaveAs", "SaveAs") {}
};

}  // namespace vx
