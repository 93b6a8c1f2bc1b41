#include "session/neue_session_form.h"

#include "session/session_names.h"
#include "textbase/form_s_save_as.h"

namespace vx {

TNeueSessionForm::TNeueSessionForm(Ui& ui) : TForm("TNeueSessionForm", "Neue Session"), ui_(ui) {
    LabelNeueSession.Caption = "Dateinamen eingeben:";
    ButtonOK.Caption = "OK";
    ButtonCancel.Caption = "Cancel";
    ButtonHilfe.Caption = "Hilfe";
}

void TNeueSessionForm::ButtonOKClick() {
    if (!IsAcceptableSessionName(EditNeueSession.Text)) {
        ui_.ShowMessage(kMsgSessionNameInput);
        return;
    }
    ModalAnswer = ModalResult::Ok;
}

void TNeueSessionForm::ButtonHilfeClick() {
    ui_.ShowMessage(kMsgHelpSaveAsName);
}

}  // namespace vx
