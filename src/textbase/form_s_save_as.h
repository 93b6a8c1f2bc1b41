#pragma once

#include "platform/form.h"

namespace vx {

class TFormSSaveAs : public TForm {
public:
    TFormSSaveAs() : TForm("TFormSSaveAs", "Thema S speichern unter") {}
};

}  // namespace vx
