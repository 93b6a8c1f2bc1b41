#pragma once

#include "app/vx_cfg_form.h"
#include "ui/form_view.h"

namespace vx::qt {

class CfgView : public FormView {
public:
    CfgView(GuiHost& host, TvxCfgForm& cfg);
};

}  // namespace vx::qt
