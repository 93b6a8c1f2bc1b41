#pragma once

#include "textbase/form_s_save_as.h"
#include "ui/form_view.h"

namespace vx::qt {

// "Thema S speichern unter": a directory list and the name of the new topic file.
class SSaveAsView : public FormView {
public:
    SSaveAsView(GuiHost& host, TFormSSaveAs& form);
};

}  // namespace vx::qt
