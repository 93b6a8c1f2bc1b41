#pragma once

#include "session/form_save_as.h"
#include "session/neue_session_form.h"
#include "session/save_as_res_form.h"
#include "session/wahle_dlg_box_form.h"
#include "ui/form_view.h"
#include "ui/views/file_chooser_view.h"

namespace vx::qt {

// The two dialogs that name a session: a label, the name, OK, Cancel and Hilfe.
class SessionNameView : public FormView {
protected:
    SessionNameView(GuiHost& host, TSessionNameDialog& form, TLabel& label, TEdit& name,
                    const char* nameWidget);
};

// "Neue Session": the name of a new session.
class NeueSessionView : public SessionNameView {
public:
    NeueSessionView(GuiHost& host, TNeueSessionForm& form)
        : SessionNameView(host, form, form.LabelNeueSession, form.EditNeueSession,
                          "EditNeueSession") {}
};

// "SaveAs": the new name of the open session.
class FormSaveAsView : public SessionNameView {
public:
    FormSaveAsView(GuiHost& host, TFormSaveAs& form)
        : SessionNameView(host, form, form.LabelSaveAs, form.EditSaveAs, "EditSaveAs") {}
};

// "Save Result": the file name of "Result save".
class SaveAsResView : public FormView {
public:
    SaveAsResView(GuiHost& host, TSaveAsResForm& form);
};

// "Wahle Session": a directory list and the file list of the directory shown.
class WahleDlgBoxView : public FileChooserView {
public:
    WahleDlgBoxView(GuiHost& host, TWahleDlgBoxForm& form);
};

}  // namespace vx::qt
