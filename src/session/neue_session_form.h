#pragma once

#include "platform/form.h"

namespace vx {

class TNeueSessionForm : public TForm {
public:
    TNeueSessionForm() : TForm("TNeueSessionForm", "Neue Session") {}
};

}  // namespace vx
