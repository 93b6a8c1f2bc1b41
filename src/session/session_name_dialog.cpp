#include "session/session_name_dialog.h"

#include <utility>

#include "session/session_names.h"
#include "textbase/form_s_save_as.h"

namespace vx {

TSessionNameDialog::TSessionNameDialog(std::string name, std::string caption, Ui& ui,
                                       const TEdit& nameEdit)
    : TForm(std::move(name), std::move(caption)),
      ButtonOK(Button("OK")),
      ButtonCancel(Button("Cancel")),
      ButtonHilfe(Button("Hilfe")),
      ui_(ui),
      nameEdit_(nameEdit) {}

void TSessionNameDialog::ButtonOKClick() {
    if (!CheckSessionName(nameEdit_.Text, ui_)) {
        return;
    }
    ModalAnswer = ModalResult::Ok;
}

void TSessionNameDialog::ButtonHilfeClick() {
    ui_.ShowMessage(kMsgHelpSaveAsName);
}

}  // namespace vx
