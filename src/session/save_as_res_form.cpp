#include "session/save_as_res_form.h"

#include "platform/latin1.h"
#include "session/session_names.h"

namespace vx {

const char* const kMsgHelpResultName =
    "Geben Sie den Namen der Session mit der Erweiterung \".res\" ein.\r"
    "Mit der Erweiterung \".json\" wird das Ergebnis als JSON gespeichert.\r___\r"
    "Edit the name of the session with the extension .res.\r"
    "With the extension .json the result is saved as JSON.";
const char* const kMsgResultNameDefault =
    "Die Datei default.res wird bei jeder Berechnung geleert.\rBitte einen anderen Namen "
    "waehlen.\r___\rThe file default.res is emptied by every computation.\rChoose another name.";

TSaveAsResForm::TSaveAsResForm(Ui& ui)
    : TForm("TSaveAsResForm", "Save Result"),
      ButtonOK(Button("OK")),
      ButtonCancel(Button("Cancel")),
      ButtonHilfe(Button("Hilfe")),
      ui_(ui) {
    LabelSaveAsRes.Caption = "Den Dateinamen eingeben:";
}

void TSaveAsResForm::ButtonOKClick() {
    if (!CheckSessionName(EditSaveAsRes.Text, ui_)) {
        return;
    }
    if (SameTextLatin1(EditSaveAsRes.Text, "default.res")) {
        ui_.ShowMessage(kMsgResultNameDefault);
        return;
    }
    ModalAnswer = ModalResult::Ok;
}

void TSaveAsResForm::ButtonHilfeClick() {
    ui_.ShowMessage(kMsgHelpResultName);
}

}  // namespace vx
