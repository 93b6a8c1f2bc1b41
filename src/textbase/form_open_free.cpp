#include "textbase/form_open_free.h"

#include "settings/ini_form.h"

namespace vx {

const char* const kMsgNoFileSelected =
    "Fehler: Keine Datei selektiert oder\res existiert keine.\r___\r"
    "No File selected or there is any.";

TFormOpenFree::TFormOpenFree(Ui& ui, const TIniForm& ini)
    : TForm("TFormOpenFree", "Open Free"), ui_(ui) {
    ButtonSelect.Caption = "Select";
    ButtonCancel.Caption = "Cancel";
    DirectoryListBox.SetDirectory(ini.vxPath);
    FileListBox.SetDirectory(ini.vxPath);
}

void TFormOpenFree::Refresh() {
    DirectoryListBox.SetDirectory(DirectoryListBox.Directory);
    FileListBox.SetDirectory(DirectoryListBox.Directory);
}

void TFormOpenFree::DirectoryListBoxChange() {
    FileListBox.SetDirectory(DirectoryListBox.Directory);
}

void TFormOpenFree::ButtonSelectClick() {
    const std::string name = FileListBox.SelectedName();
    if (name.empty()) {
        ui_.ShowMessage(kMsgNoFileSelected);
        return;
    }
    FileName = name;
    FullPath = FileListBox.FileName();
    ModalAnswer = ModalResult::Ok;
}

}  // namespace vx
