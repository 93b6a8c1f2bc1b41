#pragma once

#include "session/form_save_as.h"
#include "session/neue_session_form.h"
#include "session/wahle_dlg_box_form.h"
#include "ui/form_view.h"

namespace vx::qt {

// "Neue Session": the name of a new session.
class NeueSessionView : public FormView {
public:
    NeueSessionView(GuiHost& host, TNeueSessionForm& form);
};

// "SaveAs": the new name of the open session.
class FormSaveAsView : public FormView {
public:
    FormSaveAsView(GuiHost& host, TFormSaveAs& form);
};

// "Wahle Session": a directory list and the file list of the directory shown.
class WahleDlgBoxView : public FormView {
public:
    WahleDlgBoxView(GuiHost& host, TWahleDlgBoxForm& form);
};

}  // namespace vx::qt
