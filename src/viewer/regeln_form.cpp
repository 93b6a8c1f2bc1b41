#include "viewer/regeln_form.h"

#include "platform/safe_name.h"
#include "settings/ini_form.h"

namespace vx {
namespace {

const char* const kMsgEmptyRuleNumber =
    "Geben Sie die Nummer der Regel ein, die Sie nachsehen wollen.\r"
    "Druecken Sie dann Auswaehlen.";
const char* const kMsgHelpRules =
    "Geben Sie die Nummer der Regel ein, die Sie nachsehen wollen.\r"
    "Druecken Sie dann Auswaehlen. Das Regel-Verzeichnis\r"
    "rufen Sie ueber Hilfe Regelverzeichnis auf.";

}  // namespace

TRegelnForm::TRegelnForm(Ui& ui, const TIniForm& ini)
    : TForm("TRegelnForm", "Regeln"), ui_(ui), root_(ini.vxPath) {
    VXRLabel.Caption = "VXR:";
    RegelnWahlButton.Caption = "Auswaehlen";
    HilfeButton.Caption = "Hilfe";
    RegelnMemo.ReadOnly = true;
}

void TRegelnForm::RegelnWahlButtonClick() {
    if (EditVXR.Text.empty()) {
        ui_.ShowMessage(kMsgEmptyRuleNumber);
        return;
    }
    const std::string name = "VXR" + EditVXR.Text + ".txt";
    if (!IsSafeName(name)) {
        ui_.ShowMessage(MsgNameRefused(EditVXR.Text));
        return;
    }
    const std::string path = root_ + "Regeln\\" + name;
    if (!LoadMemo(RegelnMemo, path)) {
        ui_.ShowMessage("Fehler beim oeffnen des Textes: \r" + path);
    }
}

void TRegelnForm::HilfeButtonClick() {
    ui_.ShowMessage(kMsgHelpRules);
}

}  // namespace vx
