#include <vector>

#include "platform/ui.h"
#include "session/result_form.h"
#include "session/session_form.h"
#include "settings/ini_form.h"
#include "ts2br/form_anals_2br.h"

// "TS start": the TS lines of the session are sorted into the result lists of their logics,
// and the lines of the default WW logic are checked, analysed and evaluated against the
// target values of the session's SE list.
namespace vx {
namespace {

const char* const kMsgTSListEmpty =
    "Die Session ist leer oder enthaellt nur die Kommentarzeile.\r___\r"
    "The session is empty or entails just the comment line.";
const char* const kMsgNoSuchLogic =
    "Abbruch: Die gewaehlte Logik existiert nicht.\r___\rExit: The given logic doesnt exist. ";

std::string MsgLogicOfLineUnknown(const std::string& line) {
    return "Abbruch: Die zugehoerige Logik zu folgendem TS konnte nicht bestimmt werden: " + line +
           "\r___\r" + "Exit: A logic of following TSString couldnt be recognized: " + line;
}

std::string MsgDefaultLogicNotAnalysed(const std::string& result) {
    return "Fehler bei der Analyse der default WW Logik:" + result +
           "\rKontollieren Sie die System\\vx.ini Datei.\rDie Appliktion wird beendet.\r___\r"
           "Error at analyzing the default WW logic: " +
           result + "\rCheck the system\\vx.ini File.\rThe appliction will be terminated.";
}

std::string MsgLogicNotAnalysed(const std::string& logicName) {
    return "Error: Res of Logic: " + logicName + "\r___\rError: Res of Logic: " + logicName;
}

const char* const kErrSEArray = "Error: while ini of SE result Array.";
const char* const kErrLines = "ERROR occured in TS computation. See TS-TAB for details.";
const char* const kTargetNotFound = ", Error: TargetXW not found. ";
const char* const kMatches = ", MATCHES";

// Pages of the result window.
constexpr int kPage2BR = 1;
constexpr int kPageResults = 0;
constexpr int kPageTSResults = 2;

bool StartsWith(const std::string& text, std::string_view prefix) {
    return text.rfind(prefix, 0) == 0;
}

}  // namespace

void TFormAnals2BR::ButtonTSStartClick() {
    if (ini_.RunState != kRunStateIdle) {
        return;
    }
    const ComputingState computing(ini_);
    LastTSStart = TSStartEnd::Refused;
    for (const TSResultList& list : kTSResultLists) {
        (result_.*list.Memo).Lines.Assign({list.Header});
    }
    const TextList& tsLines = session_.MemoTS.Lines;
    if (tsLines.Count() < 2 && StartsWith(tsLines[0], "/")) {
        ui_.ShowMessage(kMsgTSListEmpty);
        return;
    }
    if (!SortTSLines()) {
        return;
    }
    Anals.AllMatches = session_.CheckBoxAllMatches.Checked;
    const std::string selected = session_.ComboBoxSelectLogic.Text;
    if (selected == "DefWW") {
        ComputeTS(selected);
    } else if (selected == "All") {
        LastTSStart = TSStartEnd::AllMatch;
    } else {
        ui_.ShowMessage(kMsgNoSuchLogic);
    }
}

// Each TS line, prepared, goes to the result list of its logic; a line whose logic is not
// one of the nine stops the run.
bool TFormAnals2BR::SortTSLines() {
    const TextList& tsLines = session_.MemoTS.Lines;
    for (int i = StartsWith(tsLines[0], "/") ? 1 : 0; i < tsLines.Count(); ++i) {
        const std::string& line = tsLines[i];
        if (line.size() <= 1 || StartsWith(line, "//")) {
            continue;
        }
        const std::string prepared = ts::StripBlanks(ts::StripLineComment(line));
        const std::string logic = ts::GetLineOption(prepared, "Logic");
        if (logic == "Error") {
            result_.Memo_Results.Lines.Add("Error: Cannot resolve correct logic from " + line);
            return false;
        }
        const TSResultList* target = nullptr;
        for (const TSResultList& list : kTSResultLists) {
            if (logic == list.Logic) {
                target = &list;
            }
        }
        if (target == nullptr) {
            ui_.ShowMessage(MsgLogicOfLineUnknown(line));
            return false;
        }
        (result_.*target->Memo).Lines.Add(ts::RemoveOptionGroup(prepared));
    }
    return true;
}

// The result window is shown at the end of every computation of a logic.
std::string TFormAnals2BR::ComputeTS(const std::string& LogicName) {
    const std::string result = ComputeTSSteps(LogicName);
    ShowResultWindow(result == "OK" || result == kErrLines);
    return result;
}

std::string TFormAnals2BR::ComputeTSSteps(const std::string& logicName) {
    Anals.WorkPrepare.Clear();
    Anals.WorkSource.Clear();
    Anals.WorkTarget.Clear();
    TextList& results = result_.Memo_Results.Lines;
    if (logicName == "DefWW") {
        const std::string copied = Copy_TSDefWW_ToAnal();
        if (copied == TAnals2BR::kErrSeparate) {
            results.Add(copied);
            LastTSStart = TSStartEnd::NotAllMatch;
            return copied;
        }
    }
    if (Anals.LogicsAnalysis[1].Analysed != 1) {
        const std::string analysed = Anals.AnalyzeLogics("DefWW");
        if (analysed != "OK") {
            ui_.ShowMessage(MsgDefaultLogicNotAnalysed(analysed));
            return analysed;
        }
    }
    LastTSStart = TSStartEnd::NotAllMatch;
    if (Anals.SyntaxCheckTS(logicName) == -1) {
        for (int i = 1; i < Anals.WorkTarget.Count(); ++i) {
            results.Add(Anals.WorkTarget[i]);
        }
        return "ERROR";
    }
    if (Anals.Analyze_TS(logicName) != "OK") {
        ui_.ShowMessage(MsgLogicNotAnalysed(logicName));
        return "Error: Res of Logic: " + logicName;
    }
    Anals.MakeComputeAlgs(logicName);
    const std::string computed = Compute_TS_ForALogik(logicName);
    if (computed == "OK") {
        results.Add("OK");
    }
    Hide();
    return computed;
}

std::string TFormAnals2BR::Copy_TSDefWW_ToAnal() {
    return Anals.Copy_TSDefWW_ToAnal(result_.Memo_DefWW.Lines);
}

std::string TFormAnals2BR::Compute_TS_ForALogik(const std::string& LogicName) {
    Ini_2BR_SEArray();
    if (Parse2BR_SE("2BRMode") != "OK") {
        LastTSStart = TSStartEnd::Refused;
        return kErrSEArray;
    }
    if (LogicName != "DefWW") {
        return "OK";
    }
    Anals.LogicsAnalysis[1].Name = LogicName;
    Anals.IniAllComputeTS_2BRStructs();
    if (Anals.LogicsAnalysis[1].Algorithm != "BF") {
        return "OK";
    }
    return ComputeLines(LogicName) ? "OK" : kErrLines;
}

// Each line's verdict goes to the result-list line it was copied from. The progress bar of
// the result window follows the lines, and events are let through after each line.
bool TFormAnals2BR::ComputeLines(const std::string& logicName) {
    std::vector<int> lines;
    for (int i = 1; i < Anals.WorkSource.Count(); ++i) {
        if (!Anals.WorkSource[i].empty()) {
            lines.push_back(i);
        }
    }
    TProgressBar& progress = result_.ProgressBarErgebnis;
    progress.Min = 0;
    progress.Max = static_cast<int>(lines.size());
    progress.Position = 0;
    ShowResultWindow(true);
    TextList& list = result_.Memo_DefWW.Lines;
    bool computed = true;
    bool allMatch = true;
    int target = -1;
    for (const int i : lines) {
        const int k = Anals.ResultLineOf(i);
        if (Anals.IniTS(i) == "OK") {
            target = GetTargetXWfromSession(i);
        }
        if (target < 1) {
            list.Set(k, list[k] + kTargetNotFound);
        }
        std::string verdict;
        const std::string result = Anals.ComputeLineTS(logicName, i, target, verdict);
        if (result == "OK") {
            list.Set(k, list[k] + verdict);
        } else {
            list.Set(k, list[k] + ", " + result);
            computed = false;
        }
        allMatch = allMatch && target >= 1 && StartsWith(verdict, kMatches);
        ++progress.Position;
        ui_.ProcessEvents();
    }
    LastTSStart = allMatch ? TSStartEnd::AllMatch : TSStartEnd::NotAllMatch;
    return computed;
}

void TFormAnals2BR::ShowResultWindow(bool linesComputed) {
    result_.PageControl.ActivePageIndex = kPage2BR;
    result_.PageControl2BR.ActivePageIndex = linesComputed ? kPageTSResults : kPageResults;
    result_.PageControlTS.ActivePageIndex = 0;
    result_.Show();
}

void TFormAnals2BR::Ini_2BR_SEArray() {
    seArray_->Fill(T2BRSEEntry{});
}

std::string TFormAnals2BR::Parse2BR_SE(const std::string& Mode) {
    return Read2BRSEList(session_.Memo2BRSes.Lines, Mode, *seArray_, ui_);
}

// The last SE line of the key wins; the comparison is textual.
int TFormAnals2BR::GetTargetXWfromSession(int Line) {
    const std::string& key = Anals.DepthStructe(Line).SE;
    int target = -1;
    for (int k = 1; k <= kMaxSEEntries && !(*seArray_)[k].SText.empty(); ++k) {
        const T2BRSEEntry& entry = (*seArray_)[k];
        if (entry.SText + entry.EText == key) {
            target = entry.XWValue;
        }
    }
    return target < 1 ? -1 : target;
}

}  // namespace vx
