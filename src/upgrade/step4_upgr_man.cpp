#include "upgrade/step4_upgr_man.h"

#include "platform/errors.h"
#include "platform/host_path.h"
#include "session/session_form.h"
#include "session/session_names.h"
#include "settings/ini_form.h"
#include "upgrade/file_before.h"

namespace vx {
namespace {

const char* const kMsgFinishWithRadioButton =
    "Um in den 2BR Modus zu wechseln setzen Sie nun bitte im naechsten Schritt\rden RadioButton "
    "auf 2BR. vx kontrolliert noch einmal ihre Einstellungen.\r___\rTo finish the upgrade to 2BR "
    "set now the Radiobutton to 2BR.\rvx will then check your last settings.";
const char* const kMsgFileNotSaved =
    "Die Datei konnte nicht gespeichert werden.\r___\rThe file couldnt be saved.";

const char* const kHeader2BRSession = "//vx2.0b, 2BRSession ";
const char* const kHeader2BRTS = "//vx2.0b, 2BR TS ";

// The first of the files that exists is loaded; without any the memo holds `header`.
void LoadFirstOf(TMemo& memo, std::initializer_list<std::string> paths, const char* header) {
    for (const std::string& path : paths) {
        if (!path.empty() && FileExists(path) && LoadMemo(memo, path)) {
            return;
        }
    }
    memo.Lines = TextList{header};
}

}  // namespace

TStep4UpgrMan::TStep4UpgrMan(Ui& ui, TIniForm& ini, TSessionForm& session)
    : TForm("TStep4UpgrMan", "Step4 Upgr Manual"), ui_(ui), ini_(ini), session_(session) {
    PageControl.Pages = {TabSheet("Session"), TabSheet("BV"), TabSheet("LnB"), TabSheet("LzB"),
                         TabSheet("TS")};
    for (TMemo* reference : {&MemoBV, &MemoLnB, &MemoLzB}) {
        reference->ReadOnly = true;
    }
    ButtonSave = Button("Save");
    ButtonSaveFin = Button("Save and Fin upgrade");
}

std::string TStep4UpgrMan::SessionFile2BR() const {
    if (session_.Opened != 1 || session_.SesName.empty()) {
        return {};
    }
    return ini_.SessionsPath + "_2BR_" + session_.SesName + "\\" + session_.SesName;
}

void TStep4UpgrMan::Oeffne() {
    const std::string file2BR = SessionFile2BR();
    const std::string base1BR = ini_.SessionsPath + session_.SesName;
    const std::string companions = ini_.SessionsPath + SessionBaseName(session_.SesName);
    LoadFirstOf(MemoSession, {file2BR, base1BR}, kHeader2BRSession);
    LoadFirstOf(MemoBV, {companions + ".ipr"}, "//vx2.0b, BVInfos ");
    LoadFirstOf(MemoLnB, {companions + ".lnb"}, "//vx2.0b, LnB Infos ");
    LoadFirstOf(MemoLzB, {companions + ".lzb"}, "//vx2.0b, LzB Infos ");
    LoadFirstOf(MemoTS, {file2BR.empty() ? file2BR : file2BR + ".TS", base1BR + ".s1f"},
                kHeader2BRTS);
    PageControl.ActivePageIndex = kPageSession;
    Show();
}

bool TStep4UpgrMan::Save() {
    const std::string path = SessionFile2BR();
    try {
        if (path.empty()) {
            throw FileError("no open session");
        }
        const FileBefore session(path);
        MemoSession.Lines.SaveToFile(path);
        if (MemoTS.Lines.Count() > 1) {
            try {
                MemoTS.Lines.SaveToFile(path + ".TS");
            } catch (const FileError&) {
                session.Restore();
                throw;
            }
        }
    } catch (const FileError&) {
        ui_.ShowMessage(kMsgFileNotSaved);
        return false;
    }
    return true;
}

void TStep4UpgrMan::ButtonSaveClick() {
    Save();
}

void TStep4UpgrMan::ButtonSaveFinClick() {
    if (Save()) {
        ui_.ShowMessage(kMsgFinishWithRadioButton);
    }
}

}  // namespace vx
