#pragma once

#include "ui/form_view.h"
#include "viewer/hilfe_form.h"

namespace vx::qt {

class HilfeView : public FormView {
public:
    HilfeView(GuiHost& host, THilfeForm& form);
};

}  // namespace vx::qt
