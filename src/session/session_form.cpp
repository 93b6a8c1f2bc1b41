#include "session/session_form.h"

#include <exception>
#include <optional>

#include "platform/errors.h"
#include "platform/host_path.h"
#include "platform/ini_file.h"
#include "platform/safe_name.h"
#include "session/form_save_as.h"
#include "session/neue_session_form.h"
#include "session/one_br_run.h"
#include "session/result_form.h"
#include "session/session_names.h"
#include "session/wahle_dlg_box_form.h"
#include "settings/ini_form.h"

namespace vx {
namespace {

// Header lines of the lists of a new session.
const char* const kHeaderSession = "//vx2.0b, ";
const char* const kHeaderBV = "//vx2.0b, BVInfos ";
const char* const kHeaderLnB = "//vx2.0b, LnB Infos ";
const char* const kHeaderLzB = "//vx2.0b, LzB Infos ";
const char* const kHeader2BRSession = "//vx2.0b, 2BRSession ";
const char* const kHeader2BRTS = "//vx2.0b, 2BR TS ";
const char* const kHeader2BRTH = "//vx2.0b, 2BR TH ";

const char* const kMsgHelp =
    "Die von Ihnen gewaehlten Bedingungen, die im Fenster der\r"
    "Session erscheinen, werden mit \"SessionStart\" gegeneinander\r"
    "geprueft. Danach erscheint eine Meldung mit den Ergebnissen.\r"
    "Speichern Sie die Session vor dem Verlassen des Programms.\r___\r"
    "The selected conditions are written to the session as text.\r"
    "On Session-Start they will be evaluated concerning theit consistency.\r"
    "Save your session if You want to work later with it.";

const char* const kMsgActiveSessionFailed =
    "Die Initialisierung der Session ist missglueckt.\r"
    "Die Session wird u.U. nicht korrekt arbeiten.\r"
    "Kontrollieren sie die Datei \\temp\\Aktses.ini\r___ \r"
    "Initialization of session failed and presumably wont work correctly.\r"
    "Check the file \\temp\\Aktses.ini";
const char* const kMsgActiveSessionNotEmptied =
    "Fehler bei der Init. der temporaren Session.\r___ \r"
    "Error on initialization of temporary session.";

// New session
const char* const kMsgCloseFirst =
    "Bitte zuerst die aktive Session schliessen.\r"
    "Danach d\xE1nn eine neue oeffnen...\r___\r"
    "Please close first the active session.\rThen open a new one...";
const char* const kMsgAskSave =
    "Wollen Sie die offene Session speichern?\r___\rDo You want to save the session?";
const char* const kMsgSaveSessionFileFailed =
    "Fehler beim Speichern der Session Datei.\r___\rError saving the session.";
const char* const kMsgLogicAdvice =
    "Als einen der ersten Schritte ueberdenken Sie welche Aussagenlogiken auf Basis\r"
    "der vorgegebenen XW-Typen (WW,EW,DW)- und deren Werten der Session zugrundeliegen soll.\r"
    "Diese Aussagenlogik erfasst nicht alle Faelle der in der 1BR moeglichen umgs. Schluesse,\r"
    "dient aber auch der Konsistenzberechung im weiteren. Verwenden Sie dazu Options-Set 1BR "
    "Logic.\r___\r"
    "As on eof the first steps please think over the assertional logics on the base of\r"
    "the given base types (WW,EW,DW) and their values You want to use in this session.\r"
    "This logic doesnt cover all cases of the natural language reasoning in 1BR but serves\r"
    "also the further consistence computation. Please use Options-Set 1BR Logic.";
const char* const kMsgNewFailed =
    "Fehler beim Oeffnen oder Schliessen der Session.\r"
    "Dateinamen ueberpruefen oder Applikation neu starten...\r___\r"
    "Error at opening or closing the session.\r"
    "Check file name or start application new...";

// Choose session
const char* const kMsgSessionStillOpen =
    "Sie haben noch eine Session geoeffnet. Bitte vorher schliessen. \r\r"
    "You have a session open. Please close it first.";
const char* const kMsg2BRIniFailed =
    "Fehler beim Oeffnen oder Lesen einer der 2BR Ini-Dateien.\r___\r"
    "Error opening oder reading a 2BR Ini-file.";
const char* const kMsgStep2Unfinished =
    "Upgrade Step2 ist nicht ganz fertig. Erstellen sie alle noetigen ini-Dateien.\r___\r"
    "Upgrade Step2 isnt finished yet. Create all necesseary Ini-files.";
const char* const kMsgStep4Unfinished =
    "Upgrade Step4 ist noch nicht ganz fertig. Fahren Sie fort.\r___\r"
    "Upgrade Step4 isnt finished yet. Go on.";
const char* const kMsgStep3Unfinished =
    "Upgrade Step3 ist noch nicht ganz fertig. Fahren Sie fort mit den update Rules.\r___\r"
    "Upgrade Step3 isnt finished yet. Go on with the update Rules.";
const char* const kMsgNoUpdateRules =
    "Upgrade Step2 ist vermutlich fertig (wenn nicht, fertigstellen), aber die "
    "\\ini\\SEupdRules.ini existiert noch nicht. Erstellen Sie diese und waehlen dann den "
    "Step3.\r___\r"
    "Upgrade Step2 is presumably finished (if not, complete first), but \\ini\\SEupdRules.ini "
    "isnt created yet. Do it and choose option Step3.";
const char* const kMsgOpenBVFailed =
    "Fehler beim Oeffnen der zugehorigen BV-Datei mit den Begriffsvererbungen.\r"
    "Bitte SessionNamen.ipr kontrollieren.\r___\r"
    "Error opening the respective BV file with the word inheritances. Check SessionNamen.ipr";
const char* const kMsgOpenLnBFailed =
    "Fehler beim Oeffnen der zugehorigen LnB-Datei.\rBitte SessionNamen.lnb kontrollieren.\r___\r"
    "Error opening the LnB file.\rCheck file SessionNamen.lnb.";
const char* const kMsgOpenLzBFailed =
    "Fehler beim Oeffnen der zugehorigen LzB-Datei.\rBitte SessionNamen.lzb kontrollieren.\r___\r"
    "Error opening the according LzB file.\rCheck the SessionName.lzb file.";
const char* const kMsgUpgradeStep1Begun =
    "Die Session wurde bereits begonnen auf 2BR Mode zu wechseln.\r"
    "Fahren Sie mit der Session nicht weiter fort sondern waehlen Sie Menu Options-Set2BR "
    "Step1.\r___\r"
    "The session was began to update to 2BR step.\r"
    "Dont continue in 1BR but choose Options-Set2BR Step1.";
const char* const kMsgUpgradeStep2Begun =
    "Die Session wurde bereits begonnen auf 2BR Mode zu wechseln.\r"
    "Fahren Sie mit der Session nicht weiter fort, sondern waehlen Sie Menu Options-Set2BR "
    "Step2.\r___\r"
    "The session was began to update to 2BR step.\r"
    "Dont continue in 1BR but choose Options-Set2BR Step2.";
const char* const kMsgOpenFailed =
    "Fehler beim Oeffnen oder Schliessen der Session.\r"
    "Dateinamen pruefen oder die Appliktion erneut starten...\r___\r"
    "Error opening or closing the session.\rCheck filename or restart the application.";

// Save
const char* const kMsgSaveMethodsFailed =
    "Fehler beim Speichern der Session Methoden.\rBitte Namen kontrollieren.";
const char* const kMsgSaveBVFailed =
    "Fehler beim Speichern der Session Hilfsdatei: fuer BV.\rBitte Namen kontrollieren.\r___\r"
    "Error saving the session file for BV.\rCheck the name.";
const char* const kMsgSaveLnBFailed =
    "Fehler beim Speichern der Session Hilfsdatei: fuer LnB.\rBitte Namen kontrollieren.\r___\r"
    "Error saving the session file for LnB.\rCheck the name.";
const char* const kMsgSaveLzBFailed =
    "Fehler beim Speichern der Session Hilfsdatei: fuer LzB.\rBitte Namen kontrollieren.\r___\r"
    "Error saving the session file for LzB.\rCheck the name.";
const char* const kMsgSave2BRFailed =
    "Fehler beim Speichern der 2BR Session Methoden.\rBitte Namen kontrollieren.\r___\r"
    "Error saving the session file for session methods.\rCheck the file name.";
const char* const kMsgSave2BRTSFailed =
    "Fehler beim Speichern der 2BR Session TS.\rBitte Namen kontrollieren.";
const char* const kMsgNoSessionChosen = "Sie haben noch keine Session ausgewaehlt.";

// Save as
const char* const kMsgNoSessionToSaveAs =
    "Sie haben noch keine Session ausgewaehlt.\r___\rYou didnt choose any session.";
const char* const kMsgSaveAsFailed =
    "Fehler beim Speichern der Session.\rBitte Namen pruefen.\r___\r"
    "Error saving the session.\rCheck the names.";
const char* const kMsgSaveAsCompanionsFailed =
    "Fehler beim Speichern der Session Hilfsdateie(n).\rBitte Namen kontrollieren.\r___\r"
    "Error saving the session files.\rCheck the names.";
const char* const kMsgSavedAs = "Session abgespeichert.\r___\rSession saved.";

// Questions before typed text is discarded or a session file replaced. Yes saves or replaces,
// No discards or keeps the file, Cancel keeps everything as it is.
std::string MsgUnsavedChanges(const std::string& name) {
    return "Die Session \"" + name +
           "\" hat ungespeicherte Aenderungen.\r"
           "Ja: speichern, Nein: verwerfen, Abbrechen: Session offen lassen.\r___\r"
           "The session \"" +
           name +
           "\" has unsaved changes.\r"
           "Yes: save, No: discard, Cancel: keep the session open.";
}
std::string MsgReplaceSession(const std::string& name) {
    return "Die Session \"" + name +
           "\" existiert bereits.\r"
           "Wollen Sie sie ersetzen?\r"
           "Ja: ersetzen, Nein oder Abbrechen: die Datei bleibt unveraendert.\r___\r"
           "The session \"" +
           name +
           "\" exists already.\r"
           "Do You want to replace it?\r"
           "Yes: replace, No or Cancel: the file stays unchanged.";
}

void SetHeader(TMemo& memo, const char* header) {
    memo.Lines.Assign({header});
}

}  // namespace

TSessionForm::TSessionForm(Ui& ui, TIniForm& ini, TNeueSessionForm& neueSession,
                           TWahleDlgBoxForm& wahleDlgBox, TFormSaveAs& saveAs,
                           TResultForm& resultForm)
    : TForm("TSessionForm", "Session"),
      SessionStartButton(Button("Session start")),
      SessionHelpButton(Button("Help")),
      ButtonTSStart(Button("TS start")),
      ButtonComputeAll(Button("Compute all")),
      SessionFilePath(ini.SessionsPath),
      BVPath(ini.SessionsPath + "default.ipr"),
      ui_(ui),
      ini_(ini),
      neueSession_(neueSession),
      wahleDlgBox_(wahleDlgBox),
      saveAs_(saveAs),
      resultForm_(resultForm) {
    PageControl.Pages = {TabSheet("BR1"), TabSheet("BR2")};
    PageControlBR1.Pages = {TabSheet("Session"), TabSheet("BV Interprt"), TabSheet("Chains LnB"),
                            TabSheet("Chains LzB")};
    PageControlBR2.Pages = {TabSheet("Sesssion 2BR"), TabSheet("TS 2BR"), TabSheet("TH 2BR")};
    ComboBoxSelectLogic.Items = {"All", "DefWW", "DefEW", "DefDW", "NewXW",
                                 "RL1", "RL2",   "RL3",   "RL4"};
    ComboBoxSelectLogic.Editable = false;
    ComboBoxSelectLogic.Select(1);
    CheckBoxAllMatches.Caption = "All matches";
}

SessionLinks TSessionForm::Links() {
    return {SessionMemo, InterprtMemo, MemoLK, MemoLzB, Opened};
}

bool TSessionForm::HasSessionPath() const {
    return !SessionFilePath.empty() && SessionFilePath != ini_.SessionsPath;
}

void TSessionForm::SessionHelpButtonClick() {
    ui_.ShowMessage(kMsgHelp);
}

void TSessionForm::WriteActiveSession() {
    const std::string path = ini_.TempPath + "AktSes.ini";
    std::optional<IniFile> file;
    try {
        WriteFileAtomic(path, "");
        file.emplace(path);
    } catch (const FileError&) {
        ui_.ShowMessage(kMsgActiveSessionNotEmptied);
        return;
    }
    try {
        file->WriteString("SessionNames", "SessionName", SesName);
        file->WriteString("SessionNames", "Session", SessionFilePath);
        file->WriteString("SessionParams", "SessionAktiv", "1");
    } catch (const FileError&) {
        ui_.ShowMessage(kMsgActiveSessionFailed);
    }
}

void TSessionForm::ResetLists() {
    SetHeader(SessionMemo, kHeaderSession);
    SetHeader(InterprtMemo, kHeaderBV);
    SetHeader(MemoLK, kHeaderLnB);
    SetHeader(MemoLzB, kHeaderLzB);
    SetHeader(Memo2BRSes, kHeader2BRSession);
    SetHeader(MemoTS, kHeader2BRTS);
    SetHeader(MemoTH, kHeader2BRTH);
}

bool TSessionForm::HoldsMoreThanHeaders() const {
    for (const TMemo* memo : {&SessionMemo, &InterprtMemo, &MemoLK, &MemoLzB}) {
        if (memo->Lines.Count() > 1) {
            return true;
        }
    }
    return false;
}

bool TSessionForm::SaveBeforeNew() {
    if (Opened != 1 || !HoldsMoreThanHeaders()) {
        return true;
    }
    if (ui_.AskYesNoCancel(kMsgAskSave) != ModalResult::Yes) {
        return true;
    }
    // "Yes" saves as "Session save" does; a session without a name is saved as "save as"
    // saves it. When that fails the open session stays, so that nothing unsaved is lost.
    return HasSessionPath() ? Save1BR(kMsgSaveSessionFileFailed) : SaveAs();
}

void TSessionForm::Neu() {
    if (ini_.IniState == kIniState2BR) {
        ui_.ShowMessage(kMsgCloseFirst);
        return;
    }
    try {
        if (!SaveBeforeNew()) {
            return;
        }
        neueSession_.EditNeueSession.Text.clear();
        if (ui_.ShowModal(neueSession_) != ModalResult::Ok) {
            return;
        }
        const std::string name = neueSession_.EditNeueSession.Text;
        if (!CheckSessionName(name, ui_) || !MayReplace(ini_.SessionsPath + name, name)) {
            return;
        }
        replacing_ = FileExists(ini_.SessionsPath + name);
        SesName = name;
        SessionFilePath = ini_.SessionsPath + SesName;
        openedFrom2BRFolder_ = false;
        // A new session has no BV file of its own yet; another session's must not receive
        // its lines.
        BVPath = ini_.SessionsPath + "default.ipr";
        Caption = "Session " + SesName;
        Opened = 1;
        Show();
        ResetLists();
        MarkSaved();
        WriteActiveSession();
        ui_.ShowMessage(kMsgLogicAdvice);
    } catch (const std::exception&) {
        ui_.ShowMessage(kMsgNewFailed);
    }
}

bool TSessionForm::OpenChosenFile(const std::string& name, bool twoBR,
                                  const std::string& directory) {
    // A session is read from the sessions directory, a 2BR session from its directory there.
    if (!CheckSessionName(name, ui_) || (twoBR && !IsPathBelow(directory, ini_.SessionsPath))) {
        if (twoBR && IsSafeName(name)) {
            ui_.ShowMessage(MsgNameRefused(directory));
        }
        return false;
    }
    const std::string path = twoBR ? directory + "\\" + name : ini_.SessionsPath + name;
    if (!LoadMemo(twoBR ? Memo2BRSes : SessionMemo, path)) {
        ui_.ShowMessage(kMsgOpenFailed);
        return false;
    }
    SesName = name;
    SessionFilePath = path;
    openedFrom2BRFolder_ = twoBR;
    if (twoBR) {
        ini_.SessionName = name;
        SessionDir = directory + "\\";
        ini_.Session2BRPath = path;
    }
    return true;
}

void TSessionForm::WaehleSession() {
    if (Opened == 1) {
        ui_.ShowMessage(kMsgSessionStillOpen);
        return;
    }
    try {
        wahleDlgBox_.Start();
        if (ui_.ShowModal(wahleDlgBox_) != ModalResult::Ok) {
            return;
        }
    } catch (const std::exception&) {
        ui_.ShowMessage(kMsgOpenFailed);
        return;
    }
    OpenSession(wahleDlgBox_.FileName, wahleDlgBox_.Is2BR, wahleDlgBox_.Directory);
}

bool TSessionForm::OpenSession(const std::string& fileName, bool is2BR,
                               const std::string& directory, ActiveSession active) {
    try {
        // Nothing of an earlier session may stay in a list this session does not load.
        ResetLists();
        replacing_ = false;
        if (!OpenChosenFile(fileName, is2BR, directory)) {
            return false;
        }
        Caption = "Session " + SesName;
        // A 2BR session is worked on its own page.
        PageControl.ActivePageIndex = is2BR ? 1 : 0;
        Show();
        Opened = 1;
        if (active == ActiveSession::Mark) {
            WriteActiveSession();
        }
        bool ready = true;
        if (is2BR) {
            ready = Open2BRConfiguration();
        } else {
            OpenCompanionFiles();
        }
        if (ini_.IniState == kIniState1BR) {
            ReportUpgradeMarkers();
        }
        MarkSaved();
        return ready;
    } catch (const std::exception&) {
        ui_.ShowMessage(kMsgOpenFailed);
        return false;
    }
}

bool TSessionForm::Open2BRConfiguration() {
    if (FileExists(SessionFilePath + ".mpf")) {
        const std::string tsFile = SessionFilePath + ".TS";
        if (FileExists(tsFile)) {
            MemoTS.Lines.LoadFromFile(tsFile);
        }
        SetHeader(MemoTH, kHeader2BRTH);
        if (ini_.Read2BRIni() == 1) {
            ini_.IniState = kIniState2BR;
            return true;
        }
        // A configuration that failed to load leaves the session not opened in 2BR mode.
        ini_.IniState = kIniState1BR;
        ui_.ShowMessage(kMsg2BRIniFailed);
        return false;
    }
    const std::string iniDir = SessionDir + "ini\\";
    if (!FileExists(iniDir + "main.ini")) {
        ui_.ShowMessage(kMsgStep2Unfinished);
        ini_.ComputeMode = "2t";
    } else if (FileExists(iniDir + "SEupdRules.ini")) {
        ini_.IniState = kIniState2BR;
        // "save" writes through the path set, which must name the session's folder.
        ini_.Set2BRPaths();
        const bool step4 = FileExists(SessionFilePath + ".mpt");
        ui_.ShowMessage(step4 ? kMsgStep4Unfinished : kMsgStep3Unfinished);
        ini_.ComputeMode = step4 ? "4t" : "3t";
    } else {
        ui_.ShowMessage(kMsgNoUpdateRules);
    }
    return false;
}

void TSessionForm::OpenCompanionFiles() {
    struct Companion {
        TMemo& memo;
        const char* extension;
        const char* header;
        const char* failure;
    };
    const std::string base = ini_.SessionsPath + SessionBaseName(SesName);
    BVPath = base + ".ipr";
    for (const Companion& companion : {Companion{InterprtMemo, ".ipr", kHeaderBV, kMsgOpenBVFailed},
                                       Companion{MemoLK, ".lnb", kHeaderLnB, kMsgOpenLnBFailed},
                                       Companion{MemoLzB, ".lzb", kHeaderLzB, kMsgOpenLzBFailed}}) {
        const std::string path = base + companion.extension;
        if (!FileExists(path)) {
            SetHeader(companion.memo, companion.header);
        } else if (!LoadMemo(companion.memo, path)) {
            ui_.ShowMessage(companion.failure);
            SetHeader(companion.memo, companion.header);
        }
    }
}

void TSessionForm::ReportUpgradeMarkers() {
    if (FileExists(SessionFilePath + ".s1t")) {
        ini_.ComputeMode = "1t";
        ui_.ShowMessage(kMsgUpgradeStep1Begun);
    }
    if (FileExists(SessionFilePath + ".s1f")) {
        ini_.ComputeMode = "1f";
        ui_.ShowMessage(kMsgUpgradeStep2Begun);
    }
}

bool TSessionForm::SaveIfNotOnlyHeader(const TMemo& memo, const std::string& path,
                                       const char* failure) {
    if (memo.Lines.Count() <= 1 && !(replacing_ && FileExists(path))) {
        return true;
    }
    try {
        memo.Lines.SaveToFile(path);
    } catch (const FileError&) {
        ui_.ShowMessage(failure);
        return false;
    }
    return true;
}

bool TSessionForm::Save1BR(const char* sessionFailure) {
    const std::string base = ini_.SessionsPath + SessionBaseName(SesName);
    bool saved = SaveIfNotOnlyHeader(SessionMemo, SessionFilePath, sessionFailure);
    if (InterprtMemo.Lines.Count() > 1 || (replacing_ && FileExists(base + ".ipr"))) {
        BVPath = base + ".ipr";
        saved = SaveIfNotOnlyHeader(InterprtMemo, BVPath, kMsgSaveBVFailed) && saved;
    }
    saved = SaveIfNotOnlyHeader(MemoLK, base + ".lnb", kMsgSaveLnBFailed) && saved;
    saved = SaveIfNotOnlyHeader(MemoLzB, base + ".lzb", kMsgSaveLzBFailed) && saved;
    return saved;
}

bool TSessionForm::Save2BR() {
    // A session from a 2BR folder whose configuration did not load goes back to the file it
    // was read from: the 1BR save would put its text over that file's 2BR text and its
    // companions beside a 1BR session of the same name.
    const std::string path = ini_.IniState == kIniState2BR
                                 ? ini_.Session2BRPath + "\\" + ini_.SessionName
                                 : SessionFilePath;
    const bool saved = SaveIfNotOnlyHeader(Memo2BRSes, path, kMsgSave2BRFailed);
    return SaveIfNotOnlyHeader(MemoTS, path + ".TS", kMsgSave2BRTSFailed) && saved;
}

bool TSessionForm::SavesAs2BR() const {
    return (ini_.IniState == kIniState2BR && !ini_.Session2BRPath.empty()) || openedFrom2BRFolder_;
}

void TSessionForm::Speichern() {
    // Saving needs an open session: a closed one keeps the files it was saved to.
    if (Opened == 1 && SavesAs2BR()) {
        if (Save2BR()) {
            MarkSaved();
        }
    } else if (Opened == 1 && ini_.IniState != kIniState2BR && HasSessionPath()) {
        if (Save1BR(kMsgSaveMethodsFailed)) {
            replacing_ = false;
            MarkSaved();
        }
    } else {
        ui_.ShowMessage(kMsgNoSessionChosen);
    }
}

bool TSessionForm::SaveOpenSession() {
    if (SavesAs2BR()) {
        if (!Save2BR()) {
            return false;
        }
    } else if (HasSessionPath()) {
        if (!Save1BR(kMsgSaveMethodsFailed)) {
            return false;
        }
        replacing_ = false;
    } else {
        return SaveAs();
    }
    MarkSaved();
    return true;
}

bool TSessionForm::MayReplace(const std::string& path, const std::string& name) {
    return !FileExists(path) || ui_.AskYesNoCancel(MsgReplaceSession(name)) == ModalResult::Yes;
}

std::vector<std::vector<std::string>> TSessionForm::ListContents() const {
    std::vector<std::vector<std::string>> contents;
    for (const TMemo* memo :
         {&SessionMemo, &InterprtMemo, &MemoLK, &MemoLzB, &Memo2BRSes, &MemoTS}) {
        contents.push_back(memo->Lines.Lines());
    }
    return contents;
}

void TSessionForm::MarkSaved() {
    savedLists_ = ListContents();
}

bool TSessionForm::HasUnsavedChanges() const {
    return Opened == 1 && ListContents() != savedLists_;
}

bool TSessionForm::CloseQuery() {
    if (!HasUnsavedChanges()) {
        return true;
    }
    switch (ui_.AskYesNoCancel(MsgUnsavedChanges(SesName))) {
        case ModalResult::Yes:
            return SaveOpenSession();
        case ModalResult::No:
            return true;
        default:
            return false;
    }
}

void TSessionForm::SpeichernUnterSes() {
    if (Opened != 1 || ini_.IniState == kIniState2BR) {
        ui_.ShowMessage(kMsgNoSessionToSaveAs);
        return;
    }
    SaveAs();
}

bool TSessionForm::SaveAs() {
    saveAs_.EditSaveAs.Text.clear();
    if (ui_.ShowModal(saveAs_) != ModalResult::Ok) {
        return false;
    }
    const std::string name = saveAs_.EditSaveAs.Text;
    if (!CheckSessionName(name, ui_)) {
        return false;
    }
    const std::string path = ini_.SessionsPath + name;
    // Another session's file is replaced only when the person says so.
    const bool otherFile = ToHostPath(path) != ToHostPath(SessionFilePath);
    if (otherFile && !MayReplace(path, name)) {
        return false;
    }
    replacing_ = replacing_ || (otherFile && FileExists(path));
    try {
        SessionMemo.Lines.SaveToFile(path);
    } catch (const FileError&) {
        ui_.ShowMessage(kMsgSaveAsFailed);
        return false;
    }
    SesName = name;
    SessionFilePath = path;
    Caption = "Session " + SesName;
    const std::string base = ini_.SessionsPath + SessionBaseName(SesName);
    BVPath = base + ".ipr";
    bool companionsSaved = true;
    for (const auto& [memo, extension] :
         {std::pair<const TMemo&, const char*>{InterprtMemo, ".ipr"},
          {MemoLK, ".lnb"},
          {MemoLzB, ".lzb"}}) {
        if (memo.Lines.Count() < 2 && !(replacing_ && FileExists(base + extension))) {
            continue;
        }
        try {
            memo.Lines.SaveToFile(base + extension);
        } catch (const FileError&) {
            companionsSaved = false;
        }
    }
    if (!companionsSaved) {
        ui_.ShowMessage(kMsgSaveAsCompanionsFailed);
    }
    WriteActiveSession();
    if (companionsSaved) {
        replacing_ = false;
        MarkSaved();
        ui_.ShowMessage(kMsgSavedAs);
    }
    return companionsSaved;
}

void TSessionForm::FormClose() {
    SessionMemo.Lines.Clear();
    InterprtMemo.Lines.Clear();
    Opened = 0;
    openedFrom2BRFolder_ = false;
    // The mode and the upgrade state describe the closed session; the next one starts in 1BR.
    Memo2BRSes.Lines.Clear();
    MemoTS.Lines.Clear();
    MemoTH.Lines.Clear();
    ini_.IniState = kIniState1BR;
    ini_.ComputeMode.clear();
}

void TSessionForm::SessionStartButtonClick() {
    RunOneBRSession(SessionMemo.Lines, ini_, resultForm_, ui_);
}

void TSessionForm::ButtonTSStartClick() {
    if (TSStart) {
        TSStart();
    }
}

void TSessionForm::ButtonComputeAllClick() {
    if (ComputeAll) {
        ComputeAll();
    }
}

}  // namespace vx
