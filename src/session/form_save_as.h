#pragma once

#include "session/session_name_dialog.h"

namespace vx {

// "SaveAs": the modal dialog that names the session for "Session save as".
class TFormSaveAs : public TSessionNameDialog {
public:
    explicit TFormSaveAs(Ui& ui) : TSessionNameDialog("TFormSaveAs", "SaveAs", ui, EditSaveAs) {
        LabelSaveAs.Caption = "Den Dateinamen eingeben:";
    }

    TLabel LabelSaveAs;
    TEdit EditSaveAs;
};

}  // namespace vx
