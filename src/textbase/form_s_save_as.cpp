#include "textbase/form_s_save_as.h"

#include "platform/safe_name.h"
#include "settings/ini_form.h"

namespace vx {

const char* const kMsgHelpSaveAsName =
    "Geben Sie einen Namen mit maximal 8 Zeichen ein,\rohne eine Erweiterung \".xxx\".\r___\r"
    "Edit the name with max 8 signs.\riwithout the extension .xxx";

namespace {

const char* const kMsgEmptyName =
    "Fehler bei der Eingabe des Namens. \r___\rError on input the name.";
const char* const kMsgHelpFreeName =
    "Geben Sie einen freien Dateinamen ihres Arbeitsbereiches an: zB. Syyyy.txt \r___\r"
    "Input a free file name of your workig area like:  Syyyy.txt";

}  // namespace

TFormSSaveAs::TFormSSaveAs(Ui& ui, const TIniForm& ini)
    : TForm("TFormSSaveAs", "Thema S speichern unter"), ui_(ui) {
    ButtonOK.Caption = "OK";
    ButtonCancel.Caption = "Cancel";
    ButtonHilfe.Caption = "Hilfe";
    DirectoryListBox.Floor = ini.vxPath;
    DirectoryListBox.SetDirectory(ini.vxPath);
}

void TFormSSaveAs::ButtonOKClick() {
    if (EditName.Text.empty()) {
        ui_.ShowMessage(kMsgEmptyName);
        return;
    }
    // A topic is written into the installation, into the directory shown, under that name.
    if (!IsSafeName(EditName.Text)) {
        ui_.ShowMessage(MsgNameRefused(EditName.Text));
        return;
    }
    FileName = DirectoryListBox.Directory + EditName.Text;
    ModalAnswer = ModalResult::Ok;
}

void TFormSSaveAs::ButtonHilfeClick() {
    ui_.ShowMessage(kMsgHelpSaveAsName);
    ui_.ShowMessage(kMsgHelpFreeName);
}

}  // namespace vx
