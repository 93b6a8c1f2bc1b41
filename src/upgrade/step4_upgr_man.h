#pragma once

#include "platform/form.h"

namespace vx {

class TStep4UpgrMan : public TForm {
public:
    TStep4UpgrMan() : TForm("TStep4UpgrMan", "Step4 Upgr Manual") {}
};

}  // namespace vx
