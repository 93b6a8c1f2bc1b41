#pragma once

#include "platform/form.h"

namespace vx {

class TWahleDlgBoxForm : public TForm {
public:
    TWahleDlgBoxForm() : TForm("TWahleDlgBoxForm", "Wahle Session") {}
};

}  // namespace vx
