#pragma once

#include "ui/form_view.h"
#include "viewer/regeln_form.h"

namespace vx::qt {

class RegelnView : public FormView {
public:
    RegelnView(GuiHost& host, TRegelnForm& form);
};

}  // namespace vx::qt
