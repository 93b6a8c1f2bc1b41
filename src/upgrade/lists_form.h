#pragma once

#include "platform/form.h"

namespace vx {

class TListsForm : public TForm {
public:
    TListsForm() : TForm("TListsForm", "Lists") {}
};

}  // namespace vx
