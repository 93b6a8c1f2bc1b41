#include "session/wahle_dlg_box_form.h"

#include "settings/ini_form.h"
#include "textbase/form_open_free.h"

namespace vx {

TWahleDlgBoxForm::TWahleDlgBoxForm(Ui& ui, const TIniForm& ini)
    : TForm("TWahleDlgBoxForm", "Wahle Session"),
      ui_(ui),
      sessionsPath_(ini.SessionsPath) {
    LabelSessions.Caption = "Existierende Sessions:";
    ButtonSelect.Caption = "Select";
    ButtonCancel.Caption = "Cancel";
    Start();
}

void TWahleDlgBoxForm::Start() {
    DirectoryListBox.SetDirectory(sessionsPath_);
    FileListBox.SetDirectory(sessionsPath_);
}

void TWahleDlgBoxForm::DirectoryListBoxChange() {
    FileListBox.SetDirectory(DirectoryListBox.Directory);
}

void TWahleDlgBoxForm::ButtonSelectClick() {
    const std::string name = FileListBox.SelectedName();
    if (name.empty()) {
        ui_.ShowMessage(kMsgNoFileSelected);
        return;
    }
    FileName = name;
    Directory = FileListBox.Directory;
    while (!Directory.empty() && (Directory.back() == '\\' || Directory.back() == '/')) {
        Directory.pop_back();
    }
    Is2BR = Directory.find("_2BR") != std::string::npos;
    ModalAnswer = ModalResult::Ok;
}

}  // namespace vx
