#include "session/form_save_as.h"

#include "session/session_names.h"
#include "textbase/form_s_save_as.h"

namespace vx {

TFormSaveAs::TFormSaveAs(Ui& ui) : TForm("TFormSaveAs", "SaveAs"), ui_(ui) {
    LabelSaveAs.Caption = "Den Dateinamen eingeben:";
    ButtonOK.Caption = "OK";
    ButtonCancel.Caption = "Cancel";
    ButtonHilfe.Caption = "Hilfe";
}

void TFormSaveAs::ButtonOKClick() {
    if (!IsAcceptableSessionName(EditSaveAs.Text)) {
        ui_.ShowMessage(kMsgSessionNameInput);
        return;
    }
    ModalAnswer = ModalResult::Ok;
}

void TFormSaveAs::ButtonHilfeClick() {
    ui_.ShowMessage(kMsgHelpSaveAsName);
}

}  // namespace vx
