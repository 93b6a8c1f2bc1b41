#pragma once

#include "platform/form.h"

namespace vx {

// The result-name dialog. Saving a report is not part of the system: the menu entry only
// answers that it is not implemented and nothing opens this window, so it is not built.
class TSaveAsResForm : public TForm {
public:
    TSaveAsResForm() : TForm("TSaveAsResForm", "Save Result") {}
};

}  // namespace vx
