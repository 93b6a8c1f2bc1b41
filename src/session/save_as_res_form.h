#pragma once

#include "platform/form.h"

namespace vx {

class TSaveAsResForm : public TForm {
public:
    TSaveAsResForm() : TForm("TSaveAsResForm", "Save Result") {}
};

}  // namespace vx
