#include "upgrade/lists_form.h"

#include <cctype>
#include <optional>
#include <stdexcept>

#include "platform/errors.h"
#include "platform/host_path.h"
#include "platform/strict_int.h"
#include "session/session_form.h"
#include "settings/ini_form.h"
#include "textbase/tools.h"
#include "ts2br/form_ts_rels.h"
#include "upgrade/file_before.h"
#include "upgrade/step4_upgr_man.h"

namespace vx {
namespace {

const char* const kMsgTSFileDeleted = "temporary TS file deleted OK !";
const char* const kMsgGoOnWithStep4 =
    "Fahren sie im upgrade mit Step4 fort.\r___\rGo on with upgrade Step4.";

const char* const kMsgUpdRulesMissing =
    "SetBRStep Fehler: Programm konnte das SEupdRules.ini File im 2BR Verzeichnis nicht finden. "
    "\r___\rSetBRStep Error: The program couldnt find the SEupdRules.ini file from 2BR Directory.";
const char* const kMsgLogicMissing =
    "SetBRStep Fehler: Programm konnte das logic.ini File im 2BR Verzeichnis nicht finden. "
    "\r___\rSetBRStep Error: The program couldnt find the logic.ini file from 2BR Directory.";
const char* const kMsgRangeArraysMissing =
    "SetBRStep Fehler: Programm konnte das RangeArrays.ini File im 2BR Verzeichnis nicht finden. "
    "\r___\rSetBRStep Error: The program couldnt find the RangeArrays.ini file from 2BR "
    "Directory.";
const char* const kMsgMappingUnreadable =
    "SetBRStep Fehler: Programm konnte das mapping File im 2BR Verzeichnis nicht finden. "
    "\r___\rSetBRStep Error: The program couldnt find the mapping file from 2BR Directory.";
const char* const kMsgManualListUnreadable =
    "SetBRStep Fehler: Programm konnte das manual mapping File im 2BR Verzeichnis nicht finden. "
    "uU ex. keines!\r___\rSetBRStep Error: The program couldnt find the manual mapping file from "
    "2BR Directory. Perhaps there is none";
const char* const kMsgUpdRulesNotSaved =
    "Fehler: Die SEupdRules.ini Datei konnte nicht gespeichert werden.\r___\rError: The "
    "SEupdRules.ini file couldnt be saved.";
const char* const kMsgMappingNotCreated =
    "Fehler beim Erstellen der Step4 mapping Datei. Step4 wird nicht begonnen.\r___\rError "
    "creating the step4 mapping file. Step4 wasnt started.";
const char* const kMsgRangesNotSaved =
    "Fehler beim Erstellen der RangeMappingDatei. Step4 wird nicht begonnen.\r___\rError creating "
    "RangeMapping file. Step4 wasnt started.";
const char* const kMsgFileNotSaved =
    "Die Datei konnte nicht gespeichert werden.\r___\rThe file couldnt be saved.";
const char* const kMsgFinalMappingNotSaved =
    "Upgrade Step4 ist noch nicht ganz fertig. Die Datei .mpf konnte nicht gespeichert "
    "werden.\r___\rUpgrade Step4 isnt finished yet. The file .mpf couldnt be saved.";
const char* const kMsgManualListNotSaved =
    "Die Datei fuer das manuelle Mapping konnte nicht gespeichert werden.\r___\rThe file for the "
    "manual mapping couldnt be saved.";
const char* const kMsgDynRulesFailed =
    "vx -Lists : Fehler entweder beim Oeffnenen der Fixed_dynRules_2BR.txt Datei oder\rein "
    "anderer Fehler ist aufgetreten.Die Erstellung der dynamischen Regeln zur 2BR ist "
    "fehlgeschlagen !";
const char* const kMsgAddUserDVXR =
    "Wenn Sie DVXR von usern oder Gruppen einbinden wollen fuegen sie diese in ihre "
    "\\Lists\\Fixed_dynRules_2BR.txt ein und druecken OK.\r \rIf You want to add DVXRs from users "
    "or groups add them in your \\Lists\\Fixed_dynRules_2BR.txt and then click OK. ";

const char* const kNoteStep3 =
    "Die SEupdRules.ini werden in dieser vx Version noch nicht automatisch erstellt und "
    "ausgefuehrt. Gehen Sie daher anhand ihrer Logic.ini\rvor, setzen die updateRules. Wenn "
    "fertig druecken Sie finish und aendern entsprechend haendisch die XWerte in der Session "
    "Datei in Step4.\rDamit faellt der letzte Schritt, das haendische update der nicht "
    "automatisierbaren mit diesem Schritt zusammen.\r____\rThe SEupdRules.ini arent supported in "
    "this version to be automatically created. Crreate them manually and press fin if "
    "ready.\rDo the seesion upgrade manually according your update rules.ini definitions in "
    "step4.\rThe last step4, covering normally the changes not be automaticaly processed, is "
    "thus the same as this one.";
const char* const kNoteStep4 =
    "Die SEupdRules.ini werden in dieser vx Version noch nicht automatisch ausgefuehrt.\rGehen "
    "Sie daher anhand ihrer SEupdRules.ini vor und aendern haendisch die XWerte in der Session "
    "Datei.\rDer Wizard hilft Ihnen. Wenn fertig druecken Sie finish+save.\r____\rError: this vx "
    "version could not make the XWupdates in the session from SEupdRules.ini.\rDo it manually "
    "according your SEupdRules.ini definitions using the wizard and then finish+save.";

const char* const kHelpRanges =
    " Step3 beinhaltet das RangeMapping fuer 2BR. Wenn beendet, druecken Sie Finish "
    "upgrade!\r___\rStep3 entails the final range mapping file. If finished, press Finish "
    "upgrade button!";
const char* const kHelpManualList =
    "Siehe hier die Liste der manuell upzudatenden SE.\r___\rSee here the list of the manually to "
    "be upated SEs.";
const char* const kHelpStep4 =
    "Siehe hier die Liste aller SE Mappings 1BR nach 2BR. Wenn das Session update beendet ist "
    "press fin button.\r___\rSee here the list of all SE mappings SEs. When the update of the "
    "session is finished press fin button.";
// The logic page has no help text of its own; it says where each of its texts is kept.
const char* const kHelpLogic =
    "Die allgemeine Logik bearbeiten Sie im Menue Options-Set 1BR Logic; hier speichern Sie die "
    "Ausnahmen (Logik) der Session.\r___\rEdit the general logic in the menu Options-Set 1BR "
    "Logic; here You save the exceptions (logic) of the session.";

const char* const kMsgLastSE =
    "Lists Info: Wir sind beim letzten SE angelangt.\r___\rLists Info: We are at the file end.";
const char* const kMsgTSNotActivated =
    "Warnung: Ihre letzten TS wurden noch nicht Aktiviert. Ggf noch einmal oder "
    "cancel.\r___\rWarnung: your last TS were not activted. Process again if needed or cancel. ";
const char* const kMsgOpenTS =
    "Es existieren noch offene TS. Bitte ausfuehren oder Cancel.\r___\rThere are open TS. "
    "Process them or cancel. ";
const char* const kMsgBadSENumber =
    "Unerlaubte Satznummer, bitte ueberpruefen. \r___\rNot allowed SE number. Check it. ";
const char* const kMsgReadFailed =
    "Fehler beim Auswerten der TS-Datei.\rKontrollieren Sie bitte die Syntax des E in der "
    "Datei.\r___\rError evaluating the TS file.\rCheck the syntax of the desired E.";
const char* const kMsgTwoExceptions =
    "Lists: Fehler beim Auswerten der TS-Datei des SE. Checken Sie:\rMehr als ein (erlaubtes TS) "
    "hat einen abweichenden XW zum Basis-XW.\r___\rLists: Error evaluating the TS file of the E. "
    "Please check:\rMore than one TS has a different XW then the baseXW of the E.";
const char* const kMsgTSStringTooShort =
    "Lists: Fehler beim Auswerten des TS-Strings des SE. Checken Sie:\rTSstring ist leer oder "
    "kuerzer als das Minimum TSx.\r___\rLists: Error evaluating the TSString of the E. Please "
    "check:\rString is empty or too short as TSx has at minimum 3 signs.";
// "Activate All TS" without settings pages would compose a line from no sentence at all.
const char* const kMsgNoPreparedTS =
    "Es gibt keine vorbereiteten TS. Holen Sie zuerst die TS eines SE mit Get TS.\r___\rThere "
    "are no prepared TS. Get the TS of an SE with Get TS first.";

std::string MsgExceptionNoValue(int page, const std::string& base) {
    return "Lists-Error: Exception TS TABsheet fuer TS Nummer " + std::to_string(page) + "\r" +
           "hat keine gueltige default XW-Nummer erhalten: " + base + "\r" + "___" + "\r" +
           "Lists-Error: Exception TS TabSheet for TS number " + std::to_string(page) + "\r" +
           "has got no XWNumber: " + base;
}

// The choices of a settings page for the sentence's base XW type; none for another type.
std::vector<std::string> TSChoicesOf(const std::string& baseXW) {
    if (baseXW == "WW") {
        return {"10", "20", "30", "40", "None"};
    }
    if (baseXW == "EW") {
        return {"50", "60", "40", "90", "None"};
    }
    if (baseXW == "DW") {
        return {"70", "80", "40", "90", "None"};
    }
    return {};
}

const char* const kUpdateRulesFile = "\\SEupdRules.ini";
const char* const kLogicFile = "\\Logic.ini";
const char* const kRangeArraysFile = "\\RangeArrays.ini";

std::string TrimRight(std::string text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.pop_back();
    }
    return text;
}

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// "S" + digits + ":" (a topic block of the fixed list).
bool IsTopicLine(const std::string& line) {
    const std::string text = TrimRight(line);
    if (text.size() < 3 || text[0] != 'S' || text.back() != ':') {
        return false;
    }
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        if (!IsDigit(text[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool SplitSELine(const std::string& line, std::int32_t& topic, std::int32_t& sentence) {
    if (line.empty() || line[0] != 'S') {
        return false;
    }
    std::size_t pos = 1;
    while (pos < line.size() && IsDigit(line[pos])) {
        ++pos;
    }
    const auto s = TryStrToInt(std::string_view(line).substr(1, pos - 1));
    if (pos == 1 || !s || pos >= line.size() || line[pos] != 'E') {
        return false;
    }
    const std::size_t start = ++pos;
    while (pos < line.size() && IsDigit(line[pos])) {
        ++pos;
    }
    const auto e = TryStrToInt(std::string_view(line).substr(start, pos - start));
    if (pos == start || !e) {
        return false;
    }
    topic = *s;
    sentence = *e;
    return true;
}

TListsForm::TListsForm(Ui& ui, TIniForm& ini, TSessionForm& session, TStep4UpgrMan& step4Manual,
                       TFormTSRels& tsRels)
    : TForm("TListsForm", "Lists"),
      ui_(ui),
      ini_(ini),
      session_(session),
      step4Manual_(step4Manual),
      tsRels_(tsRels) {
    PageControl.Pages = {TabSheet("dyn. Rules"),      TabSheet("General Logic"),
                         TabSheet("TS Settings"),     TabSheet("UpgradeBase + Akt. TS"),
                         TabSheet("IniTS"),           TabSheet("Step3 Logics"),
                         TabSheet("Step3 upd Rules"), TabSheet("Step3 Ranges"),
                         TabSheet("Step4 Mapping"),   TabSheet("Step4 manual List")};
    MemoGeneral_Logic.ReadOnly = true;
    MemoStep3Logics.ReadOnly = true;
    Button_Save = Button("Save");
    ButtonHelpLogic = Button("Help");
    ButtonTSsave = Button("TS save");
    Button_Finish_Step1 = Button("Finish Step1");
    Button_Choose_Next_SE = Button("Next SE");
    Button_GetTS = Button("Get TS");
    ButtonSetAllTS = Button("Activate All TS");
    ButtonIniTSCancel = Button("Cancel");
    EditShowFullTSStr.ReadOnly = true;
    Memo_AktTS_Text.ReadOnly = true;
    ButtonSaveUpdRulesOnly = Button("Update and Save  Rules");
    ButtonFinishSaveUpdRules = Button("Save and Finish Step3");
    ButtonSaveRanges = Button("Save");
    ButtonHelpRanges = Button("Help");
    ButtonS4MapSave = Button("Save");
    ButtonFinishUpgr = Button("Finish Upgrade");
    ButtonHelpStep4 = Button("Help");
    ButtonSaveManualList = Button("Save");
    ButtonHelpManualList = Button("Help");
}

std::string TListsForm::SessionBase() const {
    if (session_.Opened != 1 || session_.SesName.empty()) {
        return {};
    }
    return ini_.SessionsPath + session_.SesName;
}

std::string TListsForm::Base2BR() const {
    if (session_.Opened != 1 || session_.SesName.empty() || ini_.Session2BRPath.empty()) {
        return {};
    }
    return ini_.Session2BRPath + "\\" + session_.SesName;
}

bool TListsForm::SaveMemo(const TMemo& memo, const std::string& path, const char* failure) {
    try {
        if (path.empty()) {
            throw FileError("no open session");
        }
        memo.Lines.SaveToFile(path);
    } catch (const FileError&) {
        ui_.ShowMessage(failure);
        return false;
    }
    return true;
}

void TListsForm::ButtonTSsaveClick() {
    const std::string base = SessionBase();
    if (SaveMemo(Memo_TS_Settings, base.empty() ? base : base + ".s1t", kMsgFileNotSaved)) {
        ini_.ComputeMode = "1t";
    }
}

void TListsForm::Button_Finish_Step1Click() {
    const std::string base = SessionBase();
    if (!SaveMemo(Memo_TS_Settings, base.empty() ? base : base + ".s1f", kMsgFileNotSaved)) {
        return;
    }
    if (FileExists(base + ".s1t") && RemoveFile(base + ".s1t")) {
        ui_.ShowMessage(kMsgTSFileDeleted);
    }
    ini_.ComputeMode = "1f";
}

void TListsForm::Button_SaveClick() {
    const std::string base = SessionBase();
    SaveMemo(MemoExceptionLogic, base.empty() ? base : base + ".ELo", kMsgFileNotSaved);
}

void TListsForm::ButtonSaveUpdRulesOnlyClick() {
    const std::string dir = ini_.BR2IniPath;
    SaveMemo(MemoS3updateRules, dir.empty() ? dir : dir + kUpdateRulesFile, kMsgUpdRulesNotSaved);
}

void TListsForm::ButtonSaveRangesClick() {
    const std::string dir = ini_.BR2IniPath;
    SaveMemo(MemoStep3Ranges, dir.empty() ? dir : dir + kRangeArraysFile, kMsgRangesNotSaved);
}

void TListsForm::ButtonFinishSaveUpdRulesClick() {
    const std::string dir = ini_.BR2IniPath;
    const std::string base = Base2BR();
    if (dir.empty() || base.empty()) {
        ui_.ShowMessage(kMsgUpdRulesNotSaved);
        return;
    }
    std::optional<FileBefore> rules, ranges;
    try {
        rules.emplace(dir + kUpdateRulesFile);
        ranges.emplace(dir + kRangeArraysFile);
    } catch (const FileError&) {
        ui_.ShowMessage(kMsgUpdRulesNotSaved);
        return;
    }
    if (!SaveMemo(MemoS3updateRules, rules->Path(), kMsgUpdRulesNotSaved)) {
        return;
    }
    if (!SaveMemo(MemoStep3Ranges, ranges->Path(), kMsgRangesNotSaved)) {
        rules->Restore();
        return;
    }
    // A mapping begun earlier is kept; only a missing one is created empty.
    const std::string mapping = base + ".mpt";
    try {
        if (!FileExists(mapping)) {
            WriteFileAtomic(mapping, "");
        }
    } catch (const FileError&) {
        ui_.ShowMessage(kMsgMappingNotCreated);
        ranges->Restore();
        rules->Restore();
        return;
    }
    PageControl.ActivePageIndex = kPageStep4Mapping;
    ui_.ShowMessage(kMsgGoOnWithStep4);
    ini_.ComputeMode = "4t";
}

void TListsForm::ButtonS4MapSaveClick() {
    const std::string base = Base2BR();
    SaveMemo(MemoMapSETStoLogics, base.empty() ? base : base + ".mpt", kMsgFileNotSaved);
}

void TListsForm::ButtonFinishUpgrClick() {
    const std::string base = Base2BR();
    if (SaveMemo(MemoMapSETStoLogics, base.empty() ? base : base + ".mpf",
                 kMsgFinalMappingNotSaved)) {
        ini_.ComputeMode = "4f";
    }
}

void TListsForm::ButtonSaveManualListClick() {
    const std::string base = Base2BR();
    SaveMemo(MemoS4ManualList, base.empty() ? base : base + ".man", kMsgManualListNotSaved);
}

void TListsForm::ButtonHelpLogicClick() {
    ui_.ShowMessage(kHelpLogic);
}
void TListsForm::ButtonHelpRangesClick() {
    ui_.ShowMessage(kHelpRanges);
}
void TListsForm::ButtonHelpStep4Click() {
    ui_.ShowMessage(kHelpStep4);
}
void TListsForm::ButtonHelpManualListClick() {
    ui_.ShowMessage(kHelpManualList);
}

void TListsForm::ShowStep1() {
    CurrentSEPosition = 0;
    PageControl.ActivePageIndex = kPageTSSettings;
    Show();
}

int TListsForm::LoadStep3Texts() {
    const std::string dir = ini_.BR2IniPath;
    struct Text {
        TMemo& memo;
        const char* file;
        const char* failure;
    };
    for (const Text& text : {Text{MemoS3updateRules, kUpdateRulesFile, kMsgUpdRulesMissing},
                             Text{MemoStep3Logics, kLogicFile, kMsgLogicMissing},
                             Text{MemoStep3Ranges, kRangeArraysFile, kMsgRangeArraysMissing}}) {
        if (dir.empty() || !LoadMemo(text.memo, dir + text.file)) {
            ui_.ShowMessage(text.failure);
            return -1;
        }
    }
    return 1;
}

int TListsForm::ProcessUpgrSE22BR() {
    ui_.ShowMessage(kNoteStep3);
    Show();
    if (LoadStep3Texts() != 1) {
        return -1;
    }
    PageControl.ActivePageIndex = kPageStep3UpdateRules;
    return 1;
}

int TListsForm::ProcessUpgrStep4() {
    ui_.ShowMessage(kNoteStep4);
    Show();
    if (LoadStep3Texts() != 1) {
        return -1;
    }
    const std::string base = Base2BR();
    MemoMapSETStoLogics.Lines.Clear();
    MemoS4ManualList.Lines.Clear();
    if (FileExists(base + ".mpt") && !LoadMemo(MemoMapSETStoLogics, base + ".mpt")) {
        ui_.ShowMessage(kMsgMappingUnreadable);
        return -1;
    }
    if (FileExists(base + ".man") && !LoadMemo(MemoS4ManualList, base + ".man")) {
        ui_.ShowMessage(kMsgManualListUnreadable);
    }
    PageControl.ActivePageIndex = kPageStep4Mapping;
    step4Manual_.Oeffne();
    return 1;
}

std::string TListsForm::OwnerOf(std::int32_t topic) const {
    if (ini_.AuthorRangeBegin < topic && topic < ini_.AuthorRangeEnd) {
        return "a";
    }
    if (ini_.UsersRangeBegin < topic && topic < ini_.UsersRangeEnd) {
        return "u";
    }
    return "g";
}

std::string TListsForm::OwnerRoot(const std::string& owner) const {
    if (owner == "a") {
        return ini_.vxPath;
    }
    return owner == "u" ? ini_.UserPath : ini_.GroupPath;
}

void TListsForm::InsertLabel(const std::string& label, std::int32_t s, std::int32_t e) {
    TextList& active = MemoActiveDynRules.Lines;
    for (int i = 0; i < active.Count() - 1; ++i) {
        const std::string& line = active[i];
        std::int32_t topic = 0, sentence = 0;
        const bool later =
            SplitSELine(line, topic, sentence) && (topic > s || (topic == s && sentence > e));
        if (line.empty() || later) {
            active.Insert(i, label);
            return;
        }
    }
}

void TListsForm::AddDynRulesOfSessionLine(std::int32_t s, std::int32_t e) {
    const TextList& fixed = MemoFixed_dynRules.Lines;
    const std::string topicLine = "S" + std::to_string(s) + ":";
    const std::string sentenceLine = "E" + std::to_string(e);
    int topicAt = -1;
    for (int i = 0; i < fixed.Count() && topicAt < 0; ++i) {
        if (TrimRight(fixed[i]) == topicLine) {
            topicAt = i;
        }
    }
    if (topicAt < 0) {
        return;
    }
    for (int i = topicAt + 1; i < fixed.Count() && !IsTopicLine(fixed[i]); ++i) {
        if (TrimRight(fixed[i]) != sentenceLine) {
            continue;
        }
        if (static_cast<int>(DynRuleEntries.size()) >= kMaxDynRuleEntries) {
            throw std::length_error("dynamic rules table full");
        }
        TDynRuleEntry entry;
        entry.S = s;
        entry.E = e;
        entry.Key = "S" + std::to_string(s) + "E" + std::to_string(e);
        entry.BlockText = fixed[topicAt + 1];
        entry.RuleText = fixed[i + 1];
        entry.Label = entry.Key + ": " + entry.RuleText;
        entry.Owner = OwnerOf(s);
        DynRuleEntries.push_back(entry);
        InsertLabel(entry.Label, s, e);
        return;
    }
}

std::string TListsForm::Create2BRdynRulesList() {
    std::string result = "0";
    MemoFixed_dynRules.Lines.Clear();
    MemoUserTmp_dynRules.Lines.Clear();
    MemoActiveDynRules.Lines.Clear();
    DynRuleEntries.clear();
    std::int32_t s = 0, e = 0;
    try {
        ui_.ShowMessage(kMsgAddUserDVXR);
        MemoUserTmp_dynRules.Lines.LoadFromFile(ini_.UserPath + "Lists\\Fixed_dynRules_2BR.txt");
        MemoFixed_dynRules.Lines.LoadFromFile(ini_.ListsPath + "Fixed_dynRules_2BR.txt");
        for (const std::string& line : MemoUserTmp_dynRules.Lines.Lines()) {
            MemoFixed_dynRules.Lines.Add(line);
        }
        MemoActiveDynRules.Lines.LoadFromFile(ini_.TemplatesPath + "dynRules_2BR.txt");
        // Every line counts, the last one too: a session's last sentence has its rule as well.
        for (const std::string& line : session_.SessionMemo.Lines.Lines()) {
            if (line.empty() || line[0] == '/') {
                continue;
            }
            s = 0;
            e = 0;
            if (!SplitSELine(line, s, e)) {
                throw std::invalid_argument("not an SE line");
            }
            AddDynRulesOfSessionLine(s, e);
        }
        result = "ok";
    } catch (const std::exception&) {
        ui_.ShowMessage(kMsgDynRulesFailed);
        result = "Lists: error on Session SE: S" + std::to_string(s) + "E" + std::to_string(e);
    }
    PageControl.ActivePageIndex = kPageDynRules;
    Show();
    return result;
}

int TListsForm::AnalyzeOneDVXR(const std::string& line) {
    TDynRuleEntry* entry = nullptr;
    for (TDynRuleEntry& candidate : DynRuleEntries) {
        if (candidate.Label == line) {
            entry = &candidate;
            break;
        }
    }
    if (entry == nullptr) {
        ui_.ShowMessage("Fehler beim Vergleich der DVXR " + line + "\r" +
                        " oder die max Anzahl an DWPR (1023) erreicht." + "\r" +
                        "Da die Analyse nicht durchgefuehrt werden kann, hier Abbruch.");
        return -1;
    }
    const T_LV5 rule = ParseUpdateLine(entry->RuleText);
    if (rule.Status == kUpdateLineError) {
        // A rule that does not parse must stop the upgrade, not pass as analysed.
        ui_.ShowMessage(entry->Key + ":" + rule.Msg);
        return -1;
    }
    if (rule.Status == kUpdateLineParsed) {
        entry->Rule = rule;
        entry->RuleFileName = "D" + rule.RuleName + ".txt";
        entry->RuleFilePath =
            OwnerRoot(entry->Owner) + "/Regeln/dynRules2BR/" + entry->RuleFileName;
    }
    return 1;
}

void TListsForm::MyFrmShow() {
    CurrentSEPosition = 0;
    PageControl.ActivePageIndex = kPageUpgradeBase;
    Show();
}

void TListsForm::Button_Choose_Next_SEClick() {
    if (!StepStatus.empty() && StepStatus != "Finished") {
        ui_.ShowMessage(kMsgTSNotActivated);
        return;
    }
    const TextList& lines = Memo_SEupgrBase.Lines;
    const int n = lines.Count();
    int k = CurrentSEPosition + 1;
    if (k == n) {
        ui_.ShowMessage(kMsgLastSE);
        return;
    }
    while (k <= n) {
        const std::string line = lines[k];
        if (!line.empty() && line[0] != '/' && line[0] != ' ') {
            Edit_SE.Text = line;
            CurrentSEPosition = k;
            return;
        }
        CurrentSEPosition = ++k;
        if (!line.empty() && k == n) {
            ui_.ShowMessage(kMsgLastSE);
            return;
        }
    }
    Edit_SE.Text.clear();
}

void TListsForm::Button_GetTSClick() {
    if (!PageControlSetTS.empty()) {
        ui_.ShowMessage(kMsgOpenTS);
        return;
    }
    std::int32_t topic = 0, sentence = 0;
    const TextBaseSettings settings = TextBaseSettingsOf(ini_);
    if (!SplitSELine(Edit_SE.Text, topic, sentence) ||
        IsInvalidArea(TopicArea("S" + std::to_string(topic), settings))) {
        ui_.ShowMessage(kMsgBadSENumber);
        return;
    }
    const std::string sText = "S" + std::to_string(topic);
    const std::string eText = "E" + std::to_string(sentence);
    const std::string path = TSMapFilePath(sText, TopicArea(sText, settings), settings);
    if (tsRels_.SetTSFormParams(path, sText, sentence, eText) != 1) {
        ui_.ShowMessage(kMsgReadFailed);
        return;
    }
    const TSMapBlock& block = tsRels_.TSMap;
    if (ExceptionTSOf(block) < 0) {
        ui_.ShowMessage(kMsgTwoExceptions);
        return;
    }
    EditShowFullTSStr.Text = block.TSString;
    if (block.TSString.size() <= 2) {
        ui_.ShowMessage(kMsgTSStringTooShort);
        return;
    }
    LoadMemo(Memo_AktTS_Text, path);
    preparedBlock_ = block;
    preparedSE_ = sText + eText;
    if (block.TSString.rfind("-TB", 0) == 0) {
        LabelLeadComText.Caption = "REM in Step1:" + sText + eText;
        // A comment line: the TS list of the 2BR session, which the settings go into, skips it.
        LabelLeadingComment.Caption = "//" + LabelLeadComText.Caption + " " + block.TSString;
        return;
    }
    LabelLeadingComment.Caption.clear();
    if (PrepareTSIni() == 1) {
        LabelLeadComText.Caption = "OK";
        PageControl.ActivePageIndex = kPageIniTS;
    }
}

int TListsForm::PrepareTSIni() {
    const TSMapBlock& block = preparedBlock_;
    LabelLeadComText.Caption = "...";
    LabelDefaulValRes.Caption = "...";
    LabelShowSEXWType.Caption = block.BaseXW;
    std::vector<TTSSettingsPage> pages = NewTSSettingsPages(block);
    const std::vector<std::string> choices = TSChoicesOf(block.BaseXW);
    for (TTSSettingsPage& page : pages) {
        if (!page.IsException) {
            if (choices.empty()) {
                ui_.ShowMessage(MsgBadBaseType("Lists-Error: ", page.TSNumber, block.BaseXW));
                return -1;
            }
            page.Values.Items = choices;
            page.Values.ItemIndex = static_cast<int>(choices.size()) - 1;
            continue;
        }
        const std::string value =
            CheckExceptionXW(EditShowFullTSStr.Text, block.TSTypes[page.TSNumber]);
        if (value.size() <= 1) {
            ui_.ShowMessage(MsgExceptionProgramError("Lists-Error: ", page.TSNumber, block.BaseXW));
            return -1;
        }
        if (value.rfind("Err", 0) == 0) {
            ui_.ShowMessage(MsgExceptionNoValue(page.TSNumber, block.BaseXW));
            return -1;
        }
        LabelDefaulValRes.Caption = value;
        page.Visible = false;
    }
    PageControlSetTS = std::move(pages);
    ActiveSetTSPage = 0;
    return 1;
}

void TListsForm::ButtonSetAllTSClick() {
    const bool markedForStep1 = !LabelLeadComText.Caption.empty() &&
                                LabelLeadComText.Caption[0] == 'R' && !preparedSE_.empty();
    if (PageControlSetTS.empty() && !markedForStep1) {
        ui_.ShowMessage(kMsgNoPreparedTS);
        return;
    }
    StepStatus = "ini";
    if (markedForStep1) {
        Memo_TS_Settings.Lines.Add(LabelLeadingComment.Caption);
        LabelLeadComText.Caption.clear();
        preparedSE_.clear();
        StepStatus = "Finished";
        return;
    }
    std::string tsString = ComposeTSString(preparedBlock_.TSString, PageControlSetTS, {"None"},
                                           LabelDefaulValRes.Caption);
    if (!EditComment.Text.empty()) {
        tsString += " //" + EditComment.Text;
    }
    // The line is a TS line as the TS list of the 2BR session takes it (step 4 carries the
    // settings over): the sentence and the logic of its base XW type, so that "TS start"
    // finds both.
    Memo_TS_Settings.Lines.Add(preparedSE_ + " (" + LogicOfXWType(preparedBlock_.BaseXW) +
                               ";;) : " + tsString);
    PageControlSetTS.clear();
    preparedSE_.clear();
    StepStatus = "Finished";
}

void TListsForm::ButtonIniTSCancelClick() {
    PageControlSetTS.clear();
    EditComment.Text.clear();
    LabelLeadComText.Caption.clear();
    preparedSE_.clear();
    // The warning of "Next SE" offers Cancel as the way on.
    StepStatus.clear();
}

}  // namespace vx
