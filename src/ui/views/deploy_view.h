#pragma once

#include "deploy/deploy_form.h"
#include "ui/form_view.h"

namespace vx::qt {

// "Deploy": the source, destination and import type boxes, Start and Help, and the report.
class DeployView : public FormView {
public:
    DeployView(GuiHost& host, TDeployForm& form);
};

}  // namespace vx::qt
