#pragma once

#include "platform/form.h"

namespace vx {

class TResultForm : public TForm {
public:
    TResultForm() : TForm("TResultForm", "Result-Status") {}
};

}  // namespace vx
