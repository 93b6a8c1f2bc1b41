#pragma once

#include "session/session_name_dialog.h"

namespace vx {

// "Neue Session": the modal dialog that names a new session.
class TNeueSessionForm : public TSessionNameDialog {
public:
    explicit TNeueSessionForm(Ui& ui)
        : TSessionNameDialog("TNeueSessionForm", "Neue Session", ui, EditNeueSession) {
        LabelNeueSession.Caption = "Dateinamen eingeben:";
    }

    TLabel LabelNeueSession;
    TEdit EditNeueSession;
};

}  // namespace vx
