#pragma once

#include "textbase/form_open_free.h"
#include "ui/form_view.h"

namespace vx::qt {

// "Open Free": a directory list beside the file list of the directory shown.
class OpenFreeView : public FormView {
public:
    OpenFreeView(GuiHost& host, TFormOpenFree& form);
};

}  // namespace vx::qt
