#pragma once

#include "platform/form.h"

namespace vx {

class TFormReadOnly : public TForm {
public:
    TFormReadOnly() : TForm("TFormReadOnly", "ReadOnly") {}
    // Loads the topic list into the first tab and shows the window.
    void OeffneRO() { Show(); }
};

}  // namespace vx
