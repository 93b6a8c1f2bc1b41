#include "ts2br/form_ts_rels.h"

#include <algorithm>
#include <array>
#include <optional>

#include "session/session_form.h"
#include "settings/ini_form.h"

namespace vx {
namespace {

const char* const kMsgWindowOpen =
    "Eine TS-Fenster ist bereits geoffnet. Schliessen Sie bitte diese zuerst.\r___\rThere is "
    "already a TS window open.Please close it first.";
const char* const kMsgReadFailed =
    "Fehler beim Auswerten der TS-Datei.\rKontrollieren Sie bitte die Syntax des E in der "
    "Datei.\r___\rError evaluating the TS file.\rCheck the syntax of the desired E.";
const char* const kMsgTwoExceptions =
    "Fehler beim Auswerten der TS-Datei des SE. Chekcen Sie:\rMehr als ein (erlaubtes TS) hat "
    "einen abweichenden XW zum Basis-XW.\r___\rError evaluating the TS file of the E. Please "
    "check:\rMore than one TS has a different XW then the baseXW of the E.";
const char* const kMsgNoSession =
    "Es ist keine Session mehr offen. \rSchliessen Sie zuerst wieder das TS Fenster und oeffnen "
    "Sie die 2BR  Session.\r___\rThe Session is already closed. \rClose the TS window and reopen "
    "the 2BR session.";
const char* const kMsgNot2BR =
    "Die offene Session ist nicht im 2BR Mode. \rSchliessen Sie zuerst wieder das TS Fenster und "
    "oeffnen Sie die 2BR Session.\r___\rThe Session isnt in 2BR mode. \rClose the TS window and "
    "reopen the 2BR session.";
const char* const kMsgResetNotImplemented =
    "Ist noch nicht implementiert. \r___\rInst implemented yet. ";
const char* const kHelpSetTS =
    "Activates All TS: aktiviert den TS String mit allen EinzelTS-Bewertungen die Sie gewaehlt "
    "haben. \rReset All TS: setzt alle Auswahlen an TS wieder auf den Ursprungszustand. "
    "\r___\rActivates All TS: activates the TS String with all choosen TS settings.\rReset All "
    "TS: Resets all TS settings to default. ";
const char* const kHelpFreeTS =
    "Schreiben Sie die gewuenschten TS-Einstellungen in die EditBox. \rActivate: Aktiviert den "
    "TS String in die Session . \r___\rWrite the TS-Settings You want into the edit "
    "box.\rActivate: activates the written TS string into the session. ";
const char* const kExampleTSRelations[] = {"Beispiel / example:", "S254E3 TS1 R S254E10 TS1",
                                           "Relationen zwischen TS sind noch nicht implementiert.",
                                           "Relations between TS are not implemented yet."};

// The line of the free-edit page or of the settings pages was refused by the check.
std::string MsgLineRefused(const std::string& error) {
    return "Die TS-Zeile wurde nicht in die Session aktiviert, sie hat einen Fehler:\r" + error +
           "\r___\rThe TS line was not activated into the session, it has an error:\r" + error;
}

std::string MsgExceptionNoValue(int page, const std::string& base) {
    return "Error: Exception TS TABsheet fuer TS Nummer " + std::to_string(page) + "\r" +
           "hat keine gueltige default XW-Nummer erhalten: " + base + "\r" + "___" + "\r" +
           "Error: Exception TS TabSheet for TS number " + std::to_string(page) + "\r" +
           "has got no XWNumber: " + base;
}

const std::array<const char*, 9> kLogicNames = {"DefWW", "DefEW", "DefDW", "NewXW", "RL1",
                                                "RL2",   "RL3",   "RL4",   "RL5"};

std::vector<std::string> ChoicesOf(const std::string& baseXW) {
    if (baseXW == "WW") {
        return {"10", "20", "30", "40", "90"};
    }
    if (baseXW == "EW") {
        return {"50", "60", "40", "90"};
    }
    if (baseXW == "DW") {
        return {"70", "80", "40", "90"};
    }
    return {};
}

bool IsSentenceIdentifier(const std::string& se) {
    const std::size_t e = se.find('E');
    const auto digits = [&](std::size_t from, std::size_t to) {
        return to > from &&
               std::all_of(se.begin() + static_cast<long>(from), se.begin() + static_cast<long>(to),
                           [](char c) { return c >= '0' && c <= '9'; });
    };
    return !se.empty() && se[0] == 'S' && e != std::string::npos && digits(1, e) &&
           digits(e + 1, se.size());
}

}  // namespace

std::string CheckTSLineToActivate(const std::string& line, const ts::TLogopTable& binaryOps) {
    const std::string prepared = ts::StripBlanks(ts::StripLineComment(line));
    if (prepared.size() <= 1 || line.rfind("//", 0) == 0) {
        return "ERROR: the line holds no TS line.";
    }
    const std::string logic = ts::GetLineOption(prepared, "Logic");
    if (std::find(kLogicNames.begin(), kLogicNames.end(), logic) == kLogicNames.end()) {
        return "ERROR: the option group (logic;;) before the \":\" names none of the logics "
               "DefWW, DefEW, DefDW, NewXW, RL1 .. RL5.";
    }
    if (prepared.find('-') != std::string::npos) {
        return "ERROR: the sign - must not occur in a TS line.";
    }
    const std::string withoutOptions = ts::RemoveOptionGroup(prepared);
    const std::optional<std::string> se = ts::SplitSETS(withoutOptions, "SE");
    if (!se || !IsSentenceIdentifier(*se)) {
        return "ERROR: the line does not begin with a sentence SxxEyy and its \":\".";
    }
    const std::string result =
        ts::SingleTSSyntaxCheck(ts::SplitSETS(withoutOptions, "TS").value_or(""), binaryOps);
    return result.empty() ? "ERROR: the TS part after the \":\" is empty." : result;
}

TFormTSRels::TFormTSRels(Ui& ui, TIniForm& ini, TSessionForm& session)
    : TForm("TFormTSRels", "TS Relations"), ui_(ui), ini_(ini), session_(session) {
    PageControl.Pages = {TabSheet("Set TS"), TabSheet("free edit"), TabSheet("Set TS Relations")};
    EditShowFullTSStr.ReadOnly = true;
    ButtonActivateAllTS = Button("Activate All TS");
    ButtonResetAllTS = Button("Reset All TS");
    ButtonHelpSetTS = Button("Help");
    ButtonActivateFreeTS = Button("Activate");
    ButtonHelpFreeTS = Button("Help");
    MemoTSRelations.ReadOnly = true;
    for (const char* line : kExampleTSRelations) {
        MemoTSRelations.Lines.Add(line);
    }
}

int TFormTSRels::SetTSFormParams(const std::string& FileName, const std::string& /*SText*/,
                                 int ENumber, const std::string& EText) {
    return ReadTSMapBlock(ui_, FileName, ENumber, EText, TSMap);
}

void TFormTSRels::ActivateTS(const std::string& tsMapFile, const std::string& topicName,
                             std::int32_t sentenceNumber, std::int32_t /*topicNumber*/,
                             const std::string& sentencePart) {
    if (!ini_.OpenTSRelsFile.empty()) {
        ui_.ShowMessage(kMsgWindowOpen);
        return;
    }
    Caption = tsMapFile;
    if (SetTSFormParams(tsMapFile, topicName, sentenceNumber, sentencePart) != 1) {
        ui_.ShowMessage(kMsgReadFailed);
        return;
    }
    if (ExceptionTSOf(TSMap) < 0) {
        ui_.ShowMessage(kMsgTwoExceptions);
        return;
    }
    openSE_ = topicName + sentencePart;
    if (PrepareUTSRels() != 1) {
        openSE_.clear();
        return;
    }
    openBlock_ = TSMap;
    ini_.OpenTSRelsFile = tsMapFile;
    PageControl.ActivePageIndex = kPageSetTS;
    Show();
}

int TFormTSRels::PrepareUTSRels() {
    PageControlSetTS = NewTSSettingsPages(TSMap);
    ActiveSetTSPage = 0;
    ExceptionValue.clear();
    const std::vector<std::string> choices = ChoicesOf(TSMap.BaseXW);
    for (TTSSettingsPage& page : PageControlSetTS) {
        if (page.IsException) {
            ExceptionValue = CheckExceptionXW(TSMap.TSString, TSMap.TSTypes[page.TSNumber]);
            const bool programError = ExceptionValue.size() <= 1;
            if (programError || ExceptionValue.rfind("Err", 0) == 0) {
                ui_.ShowMessage(
                    programError ? MsgExceptionProgramError("Error: ", page.TSNumber, TSMap.BaseXW)
                                 : MsgExceptionNoValue(page.TSNumber, TSMap.BaseXW));
                PageControlSetTS.clear();
                ExceptionValue.clear();
                return -1;
            }
            page.Values.Items = {ExceptionValue};
            page.Values.ItemIndex = 0;
            page.Values.Enabled = false;
            continue;
        }
        if (choices.empty()) {
            ui_.ShowMessage(MsgBadBaseType("Error: ", page.TSNumber, TSMap.BaseXW));
            PageControlSetTS.clear();
            return -1;
        }
        page.Values.Items = choices;
        page.Values.ItemIndex = static_cast<int>(choices.size()) - 1;
    }
    LabelSE.Caption = openSE_;
    LabelBaseXW.Caption = TSMap.BaseXW;
    EditShowFullTSStr.Text = TSMap.TSString;
    return 1;
}

void TFormTSRels::ButtonActivateAllTSClick() {
    if (PageControlSetTS.empty()) {
        return;
    }
    const std::string tsString =
        ComposeTSString(openBlock_.TSString, PageControlSetTS, {kFreeChoice}, ExceptionValue);
    AppendTSLine(openSE_ + " (" + LogicOfXWType(openBlock_.BaseXW) + ";;) : " + tsString);
}

void TFormTSRels::ButtonResetAllTSClick() {
    ui_.ShowMessage(kMsgResetNotImplemented);
}

void TFormTSRels::ButtonHelpSetTSClick() {
    ui_.ShowMessage(kHelpSetTS);
}

void TFormTSRels::ButtonActivateFreeTSClick() {
    AppendTSLine(EditTSFree.Text);
}

void TFormTSRels::ButtonHelpFreeTSClick() {
    ui_.ShowMessage(kHelpFreeTS);
}

bool TFormTSRels::AppendTSLine(const std::string& line) {
    if (session_.Opened != 1) {
        ui_.ShowMessage(kMsgNoSession);
        return false;
    }
    if (ini_.IniState != kIniState2BR) {
        ui_.ShowMessage(kMsgNot2BR);
        return false;
    }
    const std::string checked = CheckTSLineToActivate(line, ini_.Logic.BinaryOpDefs);
    if (checked != "OK") {
        ui_.ShowMessage(MsgLineRefused(checked));
        return false;
    }
    session_.MemoTS.Lines.Add(line);
    return true;
}

void TFormTSRels::FormClose() {
    ini_.OpenTSRelsFile.clear();
    PageControlSetTS.clear();
    ExceptionValue.clear();
    openSE_.clear();
}

}  // namespace vx
