#include "upgrade/form_1br_logic.h"

#include "platform/errors.h"
#include "session/session_form.h"
#include "settings/ini_form.h"

namespace vx {
namespace {

const char* const kMsgNoSession =
    "Sie muessen erst eine Session oeffnen bevor Sie ihr eine Logik zuweisen koennen.\r___\rYou "
    "must first open a session to apply the general logic to it.";
const char* const kMsgSessionNotSaved =
    "Sie sollten die Session gespeichert haben, bevor Sie ihr eine Logik zuweisen "
    "koennen.\r___\rYou should have saved the session to apply a general logic to it.";
const char* const kMsgTemplateUnreadable =
    "Fehler: Die Template zur 1BR Logik laesst sich nicht oeffnen.\r___\rError: The general logic "
    "template file cannot be opened.";
const char* const kMsgCannotSave =
    "Fehler: Sessionpfad ungueltig oder 2BR Modus aktiv.\r___\rError: invalid sesion path or 2BR "
    "mode active.";
const char* const kMsgFileNotSaved =
    "Die Datei konnte nicht gespeichert werden.\r___\rThe file couldnt be saved.";
const char* const kHelp =
    "Veraendern Sie hier die Defaultvariante einer 1BR Logik entsprechend der vorgegebenen XW "
    "Typen und Werte wie Sie \rmeinen, dass sie aussehen sollte oder wie Sie sie interpretieren "
    "wuerden oder interpretiert haben.\r___\rChange this given default assertional logic variant "
    "according the given XW types and values as You think,\rit should look like or You would "
    "interpret it or interpretated it allready.";

}  // namespace

TForm1BRLogic::TForm1BRLogic(Ui& ui, TIniForm& ini, TSessionForm& session)
    : TForm("TForm1BRLogic", "1BR Logic"), ui_(ui), ini_(ini), session_(session) {
    ButtonSave = Button("Save");
    ButtonHelp = Button("Help");
}

std::string TForm1BRLogic::LogicFilePath() const {
    return ini_.SessionsPath + session_.SesName + ".GLo";
}

std::string TForm1BRLogic::TemplateFilePath() const {
    return ini_.TemplatesPath + "General_Step1_Logics.txt";
}

void TForm1BRLogic::OpenTEmplateLogic() {
    if (session_.Opened != 1) {
        ui_.ShowMessage(kMsgNoSession);
        return;
    }
    if (session_.SesName.empty()) {
        ui_.ShowMessage(kMsgSessionNotSaved);
        return;
    }
    // Opening the window again on the same session keeps what the person typed in it.
    if (Visible && shownFile_ == LogicFilePath()) {
        Show();
        return;
    }
    shownFile_ = LogicFilePath();
    if (!LoadMemo(MemoGeneralLogic, LogicFilePath()) &&
        !LoadMemo(MemoGeneralLogic, TemplateFilePath())) {
        // Another session's text must not stay in the window to be saved under this name.
        MemoGeneralLogic.Lines.Clear();
        ui_.ShowMessage(kMsgTemplateUnreadable);
    }
    Show();
}

void TForm1BRLogic::ButtonSaveClick() {
    const bool hasPath = session_.Opened == 1 && !session_.SesName.empty() &&
                         !session_.SessionFilePath.empty() &&
                         session_.SessionFilePath != ini_.SessionsPath;
    if (!hasPath || ini_.IniState == kIniState2BR) {
        ui_.ShowMessage(kMsgCannotSave);
        return;
    }
    try {
        MemoGeneralLogic.Lines.SaveToFile(LogicFilePath());
    } catch (const FileError&) {
        ui_.ShowMessage(kMsgFileNotSaved);
    }
}

void TForm1BRLogic::ButtonHelpClick() {
    ui_.ShowMessage(kHelp);
}

}  // namespace vx
