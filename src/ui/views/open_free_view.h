#pragma once

#include "textbase/form_open_free.h"
#include "ui/views/file_chooser_view.h"

namespace vx::qt {

// "Open Free": a directory list beside the file list of the directory shown.
class OpenFreeView : public FileChooserView {
public:
    OpenFreeView(GuiHost& host, TFormOpenFree& form);
};

}  // namespace vx::qt
