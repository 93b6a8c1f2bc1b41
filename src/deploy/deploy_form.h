#pragma once

#include "platform/form.h"

namespace vx {

class TDeployForm : public TForm {
public:
    TDeployForm() : TForm("TDeployForm", "Deploy") {}
    // Opens the tool.
    void deploy() {}
};

}  // namespace vx
