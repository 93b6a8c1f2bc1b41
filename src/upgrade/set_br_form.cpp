#include "upgrade/set_br_form.h"

#include <algorithm>
#include <cctype>

#include "platform/host_path.h"
#include "session/session_form.h"
#include "settings/ini_form.h"
#include "upgrade/lists_form.h"

namespace vx {
namespace {

const char* const kMsgO1 =
    "Sie haben den ersten upgrade Schritt beendet, waehlen Sie den zweiten.\rIf You finished the "
    "first upgrade step. Continue with the next radio button.";
const char* const kMsgO2 =
    "Sie haben den zweiten upgrade Schritt beendet, waehlen Sie den dritten.\rIf You finished "
    "the second upgrade step. Continue with the next radio button.";
const char* const kMsgO3 =
    "Sie haben den dritten upgrade Schritt beendet und Sie sind in der 2BR. Starten Sie den "
    "4ten.\rIf You finished the third upgrade step. Go on with the 4th.";
const char* const kMsgO4 =
    "Sie haben den vierten upgrade Schritt begonnen und Sie sind in der 2BR. Arbeiten Sie weiter "
    "am letzen Schritt.\rYou have started the fourth upgrade step. Go on in 2BR mode and go on "
    "eith the step. ";
const char* const kMsgO5 =
    "Sie haben den zweiten upgrade Schritt nicht beendet, waehlen Sie den zweiten.\rIf You "
    "finished the second upgrade step. Continue with the next radio button.";
const char* const kMsgO6 =
    "Sie haben den vierten upgrade Schritt beendet und Sie sind in der 2BR. Arbeiten Sie weiter "
    "im 2BR Modus und verlassen sie das Fenster.\rYou have finished the fourth upgrade step. Go "
    "on in 2BR mode and leave this window. ";
const char* const kMsgK1 =
    "Wenn Sie vom ersten Berechnungsschritt BR weiter moechten, waehlen Sie den neachsten "
    "Button.\rIf You want to go to the next computation step press the next radio button.";
const char* const kMsgK2 =
    "Wenn Sie vom ersten UpgradeStep weiter moechten, waehlen Sie den neachsten Button.\rIf You "
    "want to go to the next upgrade Step2 step, press the next radio button.";
const char* const kMsgK3 = "Ein Downgrade auf 1BR ist noch nicht implementiert. ";
const char* const kMsgE21 =
    "Da im Schritt 2.1 ein Fehler auftrat, beheben sie die Ursache, loeschen das neue "
    "Session-Unterverzeichnis  und starten neu.\r___\rAs there was an error in Step2.1 track the "
    "error, delete the new session subdirectory and start again.";
const char* const kMsgE22 =
    "Da im Schritt 2.2 ein Fehler auftrat, beheben sie die Ursache und starten neu.\r___\rAs "
    "there was an error in Step2.2 track the error and start again.";
const char* const kMsgE3 =
    "Da im Schritt 3 ein Fehler auftrat, beheben sie die Ursache und starten neu.\r___\rAs there "
    "was an error in Step3 track the error and start again.";
const char* const kMsgE4 =
    "Da im Schritt 4 ein Fehler auftrat, beheben sie die Ursache und starten neu.\r___\rAs there "
    "was an error in Step4 track the error and start again.";
const char* const kMsgS1 =
    "SetBRStep Fehler: Programm konnte das General Logik File aus der 1BR nicht finden. Menue: "
    "Options-Set 1BR Logic!\r___\rSetBRStep Error: The program couldnt find the General logic "
    "file from 1BR. Menue: Options-Set 1BR Logic.";
const char* const kMsgS2 =
    "SetBRStep: Fehler. Programm konnte das Step1-File nicht finden. Speichern Sie die Session "
    "zuerst.\rSetBRStep: Error. The program couldnt open the step1-file. Please save it first "
    "before upgrade.";
const char* const kMsgS3 =
    "SetBRStep Warnung: Programm konnte die Ausnahmen (Logik) Datei aus nicht oeffnen.\rSetBRStep "
    "Warning: The program couldnt open your exceptions (logic) file.";
const char* const kMsgS4 =
    "SetBRStep: Die Session ist leer: Sie muss mindestens einen Satz enthalten.\rAbbruch und "
    "Checken !\rSetBRStep: The session is empty: But needs to hold at least one SE.\rExit and "
    "check that !";
const char* const kMsgS5 =
    "SetBRStep: Fehler. Programm konnte das SessionFile nicht finden. Speichern Sie die Session "
    "zuerst.\rSetBRStep: Error. The program couldnt open the session file. Please save it first "
    "before upgrade.";
const char* const kMsgH1 =
    "Vor einem Upgrade versuchen sie alle Inkonsistenzen in dem letzten Sessiondurchlauf zu "
    "beheben. \rPr\xFC"
    "fen Sie ggf auf nachfolgende Widerspr\xFC"
    "che indem sie die Auswahl an der der Widerspruch entsteht auskommentieren.\rDie \xC4nderung "
    "des Berechnungsstatus BRStep hat Konsequenzen f\xFCr die weiteren Berechnungen; mehr in "
    "VXR...\rStep1 ist fuer die Rueckwaertskompatibilitaet zur 1BR, Step2 initialisiert alle "
    "DVXR um und Step3 setzt die DVXR um fuer die 2BR.\r___\rBefore upgrading try to resolve all "
    "inconsistencies from the last session run. \rCheck for futher incosistencies by commenting "
    "out the actual one and rerun the session.\rChanging the BRStep mode has consequences for "
    "the next computations; more in VXR...\rStep1 is mainly for the backward compatibility to "
    "1BR, Step2 initialises all DVXR and Step3 sets these for thr 2BR mode.";
const char* const kMsgP1 =
    "Das Pre-Processing ist beendet. Kopieren Sie alle folgenden Dateien in das neue Session "
    "Verzeichnis gleichen Namens mit Praefix _2BR: \rFolgend die notwendigen Schritte. Ein "
    "Wizard hilft ihnen.\r1. Alle Sessiondateien mit dem Namen der Session die verwendet "
    "werden,\r2. Kopieren Sie dann alle 2BR.ini (in das ini/ Unterverzeichnis) files die "
    "zusammen die DVXR Files implementieren.\r3. Kopieren Sie alle DVXR-Dateien nach "
    "Regeln\\dvxr\\.\r?.. weiters neue Rels, wann ?; (Override SEs zulassen?); (TS Overrides "
    "zulassen? !! %%)..##.\rWenn Sie bereit sind druecken sie OK !!!  \r___\rThe pre-processing "
    "completed succesfully. New Session directory created. Copy now all Files to the new "
    "_2BRsessionName directory.\rFollwoeing are the mandatory steps. A wizard will guide You "
    "through all.\r1. Copy all used Session files (which have the same name as the session) to "
    "the new directory.\r2. Copy all 2BR.ini files (which implement the DVXR) into the new ini "
    "subddirectory\r3. Copy all DVXR-Files into Regeln\\dvxr\\.\rIf You are ready, press OK !!!";
const char* const kMsgDirectoryExists =
    "Das Session-Verzeichnis existiert bereits. Upgrade wird gecanceled. Loeschen sie es im "
    "Session-Verzeichnis und versuchen Sie es erneut !\rThe Session directory exists allready. "
    "Upgrade canceled. Please delete it and try again!";
const char* const kMsgStep2Finished =
    "Der 2te Schritt des updates ist beendet. Bevor sie den 3ten starten, \rpassen sie zuerst nun "
    "die \\ini\\SEupdRules.ini Datei auf ihre Session an!\r___\rThe 2nd step of the update is "
    "finished. Bevor starting the third step\rfirst prepare your \\ini\\SEupdRules.ini file for "
    "your session.";
const char* const kMsgMainIniUnreadable =
    "Fehler: vx konnte nicht die Main.ini nicht lesen.\rBitte Fehler dort beheben, Verzeichnis "
    "loeschen und upgrade erneut starten.\r\rError: the program could not read the "
    "Main.ini.\rCorrect the error, delete the new dir and rerun the 2BR upgarde.";
const char* const kMsgRangeLogicUnreadable =
    "Fehler: vx konnte nicht die RangeLogic.ini nicht lesen.\rBitte Fehler dort beheben, "
    "Verzeichnis loeschen und upgrade erneut starten.\r\rError: the program could not read the "
    "RangeLogic.ini.\rCorrect the error, delete the new dir and rerun the 2BR upgarde.";
const char* const kMsgRangeArraysUnreadable =
    "Fehler: vx konnte die RangeArray.ini nicht lesen.\rBitte Fehler dort beheben, Verzeichnis "
    "loeschen und upgrade erneut starten.\r___\rError: the program could not read the "
    "RangeArray.ini.\rCorrect the error, delete the new dir and rerun the 2BR upgarde.";
const char* const kMsgPathsNotInitialised =
    "SetBRStep Fehler: Programm konnte die 2BR Pfade nicht initialisiren. \r___\rSetBRStep Error: "
    "The program couldnt initialize 2BR paths.";
const char* const kMsgStep3Failed =
    "Fehler: vx konnte die update SE-Liste mit den SEupdRules.ini nicht erstellen.\rBitte Fehler "
    "dort beheben oder Datei noch einmal erstellen und Step3 erneut starten.\r____\rError: the "
    "program could not make update list from SEupdRules.ini.\rCorrect the error or create the "
    "file new and rerun the 3rd step.";
const char* const kMsgStep4Failed =
    "Fehler: beim Schritt 4 in den Lists trat auf.\rBitte Fehler beheben und Sschritt 4 "
    "beenden.\r____\rError: in Step4 in the lists.\rCorrect the error and rerun the 4th step.";
const char* const kMsgReadDynRulesFailed =
    "Fehler beim Einlesen der dynamischen Regeln beim SE: ... \rDer updgrade auf 2BR wird "
    "abgebrochen.";
const char* const kInitialTSSettings = "//TS setting for 1BR, ";

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += (text.empty() ? "" : "\r") + line;
    }
    return text;
}

// A file-wizard message: German lines, "___", English lines.
std::string WizardMessage(const std::vector<std::string>& german,
                          const std::vector<std::string>& english) {
    return Joined(german) + "\r___\r" + Joined(english);
}

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

}  // namespace

TSetBRForm::TSetBRForm(Ui& ui, TIniForm& ini, TSessionForm& session, TListsForm& lists,
                       AnalyzeLogicsFn analyzeLogics)
    : TForm("TSetBRForm", "Set BR Step"),
      CreateDir([](const std::string& dir) { return ForceDirectories(dir); }),
      ui_(ui),
      ini_(ini),
      session_(session),
      lists_(lists),
      analyzeLogics_(std::move(analyzeLogics)) {
    GroupBoxBRStep.Caption = "BR Step";
    RadioButton1BR.Caption = "1 BR";
    RadioButton2BRupgS1.Caption = "2 BR upgrade Step1";
    RadioButton2BRupgS2.Caption = "2 BR upgrade Step2";
    RadioButton2BRupgS3.Caption = "2 BR upgrade Step3";
    RadioButton2BRupgS4.Caption = "2 BR upgrade Step4";
    RadioButton2BR.Caption = "2 BR";
    RadioButton3BR.Caption = "3 BR";
    RadioButton3BR.Enabled = false;
    ButtonOK = Button("OK");
    ButtonCancel = Button("Cancel");
    ButtonHelp = Button("Help");
}

void TSetBRForm::Check(TRadioButton& button) {
    for (TRadioButton* radio :
         {&RadioButton1BR, &RadioButton2BRupgS1, &RadioButton2BRupgS2, &RadioButton2BRupgS3,
          &RadioButton2BRupgS4, &RadioButton2BR, &RadioButton3BR}) {
        radio->Checked = false;
    }
    button.Checked = true;
}

void TSetBRForm::Oeffne() {
    Mode = ini_.IniState;
    Step = "0";
    const std::string& mode = ini_.ComputeMode;
    const char* message = nullptr;
    if (Mode == 1) {
        Check(RadioButton1BR);
        if (mode == "1t" || mode == "1f") {
            Check(RadioButton2BRupgS1);
            Step = "1";
            message = mode == "1f" ? kMsgO1 : nullptr;
        }
    } else if (Mode == 2) {
        Check(RadioButton2BRupgS2);
        struct Row {
            const char* computeMode;
            TRadioButton* button;
            const char* step;
            const char* message;
        };
        const Row rows[] = {{"3t", &RadioButton2BRupgS3, "3", kMsgO2},
                            {"3f", &RadioButton2BRupgS3, "3", kMsgO3},
                            {"4t", &RadioButton2BRupgS4, "4", kMsgO4},
                            {"4f", &RadioButton2BRupgS2, "2", kMsgO6}};
        const Row other{"", &RadioButton2BRupgS1, "2", kMsgO5};
        const Row* chosen = &other;
        for (const Row& row : rows) {
            if (mode == row.computeMode) {
                chosen = &row;
            }
        }
        Check(*chosen->button);
        Step = chosen->step;
        message = chosen->message;
    } else if (Mode == 3) {
        Check(RadioButton3BR);
        Step.clear();
    }
    Show();
    if (message != nullptr) {
        ui_.ShowMessage(message);
    }
}

void TSetBRForm::ButtonOKClick() {
    const bool mode1 = Mode == 1;
    const bool mode2 = Mode == 2;
    if (mode1 && RadioButton1BR.Checked) {
        ui_.ShowMessage(kMsgK1);
        return;
    }
    if (mode1 && RadioButton2BRupgS1.Checked && !Step1()) {
        return;
    }
    if (mode1 && ini_.ComputeMode == "1f" && RadioButton2BRupgS1.Checked) {
        ui_.ShowMessage(kMsgK2);
        return;
    }
    // Step 2 follows a finished step 1, or a 2BR directory whose ini files are incomplete.
    if (mode1 && RadioButton2BRupgS2.Checked &&
        (ini_.ComputeMode == "2t" || ini_.ComputeMode == "1f")) {
        if (RunStep2()) {
            ini_.IniState = kIniState2BR;
            ini_.ComputeMode = "2f";
        }
        return;
    }
    // Step 3 runs when the person chose it, or again while step 4 is due.
    const bool mappingBegun =
        !ini_.Session2BRPath.empty() && FileExists(ini_.Session2BRPath + ".mpt");
    if (mode2 && !RadioButton2BRupgS4.Checked &&
        (ini_.ComputeMode == "4t" || mappingBegun || RadioButton2BRupgS3.Checked)) {
        if (!Step3()) {
            ui_.ShowMessage(kMsgE3);
            ini_.ComputeMode = "3t";
            return;
        }
    }
    if (mode2 && RadioButton2BRupgS4.Checked && ini_.ComputeMode == "4t") {
        if (!Step4()) {
            ui_.ShowMessage(kMsgE4);
            return;
        }
        ini_.ComputeMode = "4t";
    }
    if (mode2 && RadioButton1BR.Checked) {
        ui_.ShowMessage(kMsgK3);
    }
    Close();
}

void TSetBRForm::ButtonCancelClick() {
    Close();
}

void TSetBRForm::ButtonHelpClick() {
    ui_.ShowMessage(kMsgH1);
}

bool TSetBRForm::Step1() {
    const std::string path = session_.SessionFilePath;
    if (!LoadMemo(lists_.MemoGeneral_Logic, path + ".GLo")) {
        ui_.ShowMessage(kMsgS1);
        return false;
    }
    // A finished step 1 shows its settings again instead of an empty text that could
    // replace them.
    const std::string& mode = ini_.ComputeMode;
    const std::string settings = mode == "1t"                                ? path + ".s1t"
                                 : mode == "1f" && FileExists(path + ".s1f") ? path + ".s1f"
                                                                             : std::string();
    if (settings.empty()) {
        lists_.Memo_TS_Settings.Lines = TextList{kInitialTSSettings};
    } else if (!LoadMemo(lists_.Memo_TS_Settings, settings)) {
        ui_.ShowMessage(kMsgS2);
        return false;
    }
    const std::string exceptions = ini_.SessionsPath + session_.SesName + ".ELo";
    if (!FileExists(exceptions)) {
        lists_.MemoExceptionLogic.Lines.Clear();
    } else if (!LoadMemo(lists_.MemoExceptionLogic, exceptions)) {
        ui_.ShowMessage(kMsgS3);
    }
    TextList base;
    try {
        base.LoadFromFile(path);
    } catch (const std::exception&) {
        ui_.ShowMessage(kMsgS5);
        return false;
    }
    if (base.Count() < 2) {
        ui_.ShowMessage(kMsgS4);
        return false;
    }
    lists_.Memo_SEupgrBase.Lines = std::move(base);
    lists_.ShowStep1();
    return true;
}

bool TSetBRForm::RunStep2() {
    CreatedDirectories.clear();
    if (!Step21()) {
        ui_.ShowMessage(kMsgE21);
        return false;
    }
    if (!Step22()) {
        ui_.ShowMessage(kMsgE22);
        ReportCreatedDirectories();
        return false;
    }
    return true;
}

bool TSetBRForm::Step21() {
    DynRules = lists_.Create2BRdynRulesList();
    if (DynRules != "ok") {
        ui_.ShowMessage("Fehler beim Erstellen der dynamischen Regeln beim SE: \r" + DynRules +
                        "Der updgrade wird abgebrochen.");
        Check(RadioButton1BR);
        return false;
    }
    const TextList active = lists_.MemoActiveDynRules.Lines;
    for (int i = 0; i < active.Count() - 1; ++i) {
        const std::string& line = active[i];
        if (line.empty() || line[0] == '/') {
            continue;
        }
        if (lists_.AnalyzeOneDVXR(line) != 1) {
            ui_.ShowMessage(kMsgReadDynRulesFailed);
            Check(RadioButton1BR);
            return false;
        }
    }
    lists_.Close();
    ini_.SessionName = session_.SesName;
    if (ini_.Set2BRPaths() != 1) {
        return false;
    }
    if (DirectoryExists(ini_.Session2BRPath)) {
        ui_.ShowMessage(kMsgDirectoryExists);
        return false;
    }
    if (!CreateDirectoryTree()) {
        return false;
    }
    ui_.ShowMessage(kMsgP1);
    ui_.ShowMessage(WizardMessage(
        {"Kopieren Sie optional die Listen-Dateien in das neue Verzeichnis: " + ini_.BR2ListsPath,
         "Die neuen Listen koennen zB. alle neuen Saetze SE in Saetze enthalten.",
         "Druecken Sie ok wenn Sie fertig sind."},
        {"You can optionally add Lists to the new directory: " + ini_.BR2ListsPath,
         "The new lists can contain for example new topics-sentences SE.",
         "When finished press OK."}));
    const std::string dvxr = ini_.BR2RegelnPath + "\\DVXR";
    ui_.ShowMessage(WizardMessage(
        {"Kopieren Sie die DVXR-Dateien zu der Session in das Unterverzeichnis: " + dvxr,
         "Nur wenn sie keine dynamischen Regelaenderungen fuer die 2BR einfuehren uberspringen Sie "
         "den Schritt.",
         "Druecken Sie ok wenn Sie fertig sind."},
        {"You have to copy the DVXR files in the directory: " + dvxr,
         "Only when You dont make any changes for rules for 2BR You can skip this step.",
         "When finished press OK."}));
    ui_.ShowMessage(WizardMessage(
        {"Kopieren Sie die Relationen-Dateien zu der Session in die Unterverzeichnissse von :" +
             ini_.BR2RelationPath,
         "Relationen overrides in \\override, Relationen zu neu kombinierten (BV1, LnB ..) in "
         "\\virtuelleSE und ",
         "die dazugehoerigen semi-formalen in die Unterverzeichnisse von formaleR\\. Druecken Sie "
         "ok wenn Sie fertig sind."},
        {"You have to copy the relation files in the subdirectories of: " + ini_.BR2RelationPath,
         "The relation overrides into \\override, the relation for new comined SE (BV1, LnB..) "
         "into \\virtuelleSE and ",
         "the necessary semi-formal relations into the subdirs of formaleR\\. When finished press "
         "OK."}));
    ui_.ShowMessage(WizardMessage(
        {"Kopieren Sie die fertigen 2BR ini-Dateien zu der Session in das Unterverzeichnis: " +
             ini_.BR2IniPath,
         "Wenn Sie keine DVXR-Regelaenderungen vollziehen, kopieren Sie die ini Dateien der "
         "Bspsession _2BR_Tst_vxDefUpg.txt ini die ini.",
         "Druecken Sie ok wenn Sie fertig sind."},
        {"You have to copy the 2BR ini files into the ini directory: " + ini_.BR2IniPath,
         "When You dont make any changes for 2BR You need to copy the ini from the example "
         "session  _2BR_Tst_vxDefUpg.txt.",
         "When finished press OK."}));
    return true;
}

bool TSetBRForm::CreateDirectoryTree() {
    const std::string& relation = ini_.BR2RelationPath;
    const char* const kFormaleRVirtuelle =
        "Fehler beim 2BR upgrade: Das Unterverzeichnis Relation\\formaleR\\virtuelleSE konnte "
        "nicht erstellt werden.\r___Error 2BRupgrade: Cannot create "
        "Relation\\formaleR\\virtuelleSE directory";
    const struct {
        std::string directory;
        const char* failure;
    } tree[] = {
        {ini_.Session2BRPath,
         "Fehler beim 2BR upgrade: Das Regeln\\DVXR-Unterverzeichnis konnte nicht erstellt "
         "werden.\r___Error 2BRupgrade: Cannot create the new Session directory"},
        {ini_.BR2IniPath,
         "Fehler beim 2BR upgrade: Das  Ini-Verzeichnis konnte nicht erstellt werden.\r___Error "
         "2BRupgrade: Cannot create Session-ini directory"},
        {ini_.BR2SaetzePath,
         "Fehler beim 2BR upgrade: Das Saetze-Verzeichnis konnte nicht erstellt "
         "werden.\r___Error 2BRupgrade: Cannot create Session-Saetze directory"},
        {relation,
         "Fehler beim 2BR upgrade: Das Reraltionenverzeichnis konnte nicht erstellt "
         "werden.\r___Error 2BRupgrade: Cannot create Session-Relation directory"},
        {ini_.BR2RegelnPath,
         "Fehler beim 2BR upgrade: Das Regeln-Verzeichnis konnte nicht erstellt "
         "werden.\r___Error 2BRupgrade: Cannot create Session-Regeln directory"},
        {ini_.BR2ListsPath,
         "Fehler beim 2BR upgrade: Das Listenverzeichnis konnte nicht erstellt "
         "werden.\r___Error 2BRupgrade: Cannot create Session-Lists directory"},
        {ini_.BR2SystemPath,
         "Fehler beim 2BR upgrade: Das Systemverzeichnis konnte nicht erstellt "
         "werden.\r___Error 2BRupgrade: Cannot create Session-System directory"},
        {ini_.BR2ListsPath + "\\dynLists",
         "Fehler beim 2BR upgrade: Das dynamische Listenverzeichnis konnte nicht erstellt "
         "werden.\r___Error 2BRupgrade: Cannot create dynamic Lists directory"},
        {relation + "\\virtuelleSE\\",
         "Fehler beim 2BR upgrade: Das Relation\\virtuelleSE-Unterverzeichnis konnte nicht "
         "erstellt werden.\r___Error 2BRupgrade: Cannot create the Relation\\virtuelleSE "
         "directory"},
        {relation + "\\formaleR\\", kFormaleRVirtuelle},
        {relation + "\\override\\",
         "Fehler beim 2BR upgrade: Das Unterverzeichnis Relation\\formaleR\\override konnte "
         "nicht erstellt werden.\r___Error 2BRupgrade: Cannot create "
         "Relation\\formaleR\\override directory"},
        {relation + "\\formaleR\\virtuelleSE\\", kFormaleRVirtuelle},
        {relation + "\\formaleR\\override\\",
         "Error 2BRupgrade: Cannot create Session-Relation\\formaleR\\override directory"},
        {ini_.BR2RegelnPath + "\\DVXR",
         "Fehler beim 2BR upgrade: Das Regeln\\DVXR-Unterverzeichnis konnte nicht erstellt "
         "werden.\r___Error 2BRupgrade: Cannot create Regeln\\DVXR subdirectory"},
    };
    for (const auto& entry : tree) {
        const bool existed = DirectoryExists(entry.directory);
        if (!CreateDir(entry.directory)) {
            ui_.ShowMessage(entry.failure);
            ReportCreatedDirectories();
            return false;
        }
        if (!existed) {
            CreatedDirectories.push_back(entry.directory);
        }
    }
    return true;
}

void TSetBRForm::ReportCreatedDirectories() {
    if (CreatedDirectories.empty()) {
        return;
    }
    const std::string list = Joined(CreatedDirectories);
    ui_.ShowMessage(
        "Der Schritt 2 hat diese Verzeichnisse angelegt; loeschen Sie sie, bevor Sie ihn erneut "
        "starten:\r" +
        list + "\r___\rStep 2 created these directories; delete them before You start it again:\r" +
        list);
}

bool TSetBRForm::Step22() {
    const int dvxr = ini_.ReadDVXRIni();
    if (dvxr != 1) {
        const std::string result = std::to_string(dvxr);
        ui_.ShowMessage("Fehler: vx konnte nicht die DVXR" + result +
                        ".ini nicht lesen.\rBitte checken und upgrade erneut starten.\r___\rError: "
                        "the program could not read the DVXR." +
                        result + ".ini.\rCorrect the error and rerun the 2BR upgarde.");
        return false;
    }
    if (ini_.Process_DVXRini() != 1) {
        return false;
    }
    LogicModel& logic = ini_.Logic;
    logic.IniFileLogic.clear();
    logic.IniFileMeta.clear();
    logic.IniFileRangeArrays.clear();
    logic.IniFileBVLKTH.clear();
    if (ini_.ReadMainIni() != 1) {
        ui_.ShowMessage(kMsgMainIniUnreadable);
        return false;
    }
    if (logic.IniFileLogic == "YES" &&
        (ini_.ReadLogicIni() != 1 || ini_.ReadRangeLogicIni() != 1)) {
        ui_.ShowMessage(kMsgRangeLogicUnreadable);
        return false;
    }
    if (logic.RangeArrays.Count > 0 && Upper(logic.IniFileRangeArrays) == "YES" &&
        ini_.ReadRangeArraysIni() != 1) {
        ui_.ShowMessage(kMsgRangeArraysUnreadable);
        return false;
    }
    if (analyzeLogics_) {
        analyzeLogics_("All");
    }
    ui_.ShowMessage(kMsgStep2Finished);
    return true;
}

bool TSetBRForm::Step3() {
    if (ini_.Set2BRPaths() != 1) {
        ui_.ShowMessage(kMsgPathsNotInitialised);
        return false;
    }
    if (lists_.ProcessUpgrSE22BR() != 1) {
        ui_.ShowMessage(kMsgStep3Failed);
        return false;
    }
    return true;
}

bool TSetBRForm::Step4() {
    if (ini_.Set2BRPaths() != 1) {
        ui_.ShowMessage(kMsgPathsNotInitialised);
        return false;
    }
    if (lists_.ProcessUpgrStep4() != 1) {
        ui_.ShowMessage(kMsgStep4Failed);
        return false;
    }
    return true;
}

}  // namespace vx
