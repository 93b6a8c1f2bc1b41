#include <algorithm>
#include <vector>

#include "platform/ui.h"
#include "session/result_form.h"
#include "session/session_form.h"
#include "settings/ini_form.h"
#include "ts2br/form_anals_2br.h"

// "TS start": the TS lines of the session are sorted into the result lists of their logics,
// and the lines of the selected logic (with "All", of every logic that has lines) are
// checked, analysed and evaluated against the target values of the session's SE list.
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

std::string MsgLogicNotConfigured(const std::string& logicName) {
    return "Abbruch: Die gewaehlte Logik " + logicName +
           " ist in dieser Session nicht konfiguriert.\r___\rExit: The given logic " + logicName +
           " is not configured in this session.";
}

std::string SummaryLine(const std::string& logicName, const TFormAnals2BR::LineCounts& counts) {
    return logicName + ": " + std::to_string(counts.Matches) + " MATCHES, " +
           std::to_string(counts.Inconsistent) + " INCONSISTENT, " + std::to_string(counts.Errors) +
           " errors";
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
    RunTSStart(session_.ComboBoxSelectLogic.Text);
}

void TFormAnals2BR::ButtonComputeAllClick() {
    RunTSStart("All");
}

void TFormAnals2BR::RunTSStart(const std::string& selected) {
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
    if (selected == "All") {
        ComputeAllLogics();
    } else if (TAnals2BR::LogicEntry(selected) == 0) {
        ui_.ShowMessage(kMsgNoSuchLogic);
    } else if (!Anals.LogicConfigured(selected)) {
        ui_.ShowMessage(MsgLogicNotConfigured(selected));
    } else {
        ComputeTS(selected);
    }
}

// Every logic with lines, in the order of the result lists, on one reading of the SE list.
// "RL5" is a list only. The run ends on the "Results" page, where each logic left its summary.
void TFormAnals2BR::ComputeAllLogics() {
    seListRead_.reset();
    bool computed = false;
    bool refused = false;
    bool allMatch = true;
    for (const TSResultList& list : kTSResultLists) {
        if ((result_.*list.Memo).Lines.Count() < 2 || TAnals2BR::LogicEntry(list.Logic) == 0) {
            continue;
        }
        if (!Anals.LogicConfigured(list.Logic)) {
            ui_.ShowMessage(MsgLogicNotConfigured(list.Logic));
            refused = true;
            continue;
        }
        LastTSStart = TSStartEnd::Refused;
        const std::string result = ComputeLogic(list.Logic);
        computed = computed || LastTSStart != TSStartEnd::Refused;
        refused = refused || LastTSStart == TSStartEnd::Refused;
        allMatch = allMatch && LastTSStart == TSStartEnd::AllMatch;
        if (result == kErrSEArray) {
            break;
        }
    }
    if (refused && !computed) {
        LastTSStart = TSStartEnd::Refused;
    } else {
        LastTSStart = allMatch && !refused ? TSStartEnd::AllMatch : TSStartEnd::NotAllMatch;
    }
    if (computed) {
        result_.PageControl2BR.ActivePageIndex = kPageResults;
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

std::string TFormAnals2BR::ComputeTS(const std::string& LogicName) {
    seListRead_.reset();
    return ComputeLogic(LogicName);
}

// The result window is shown at the end of every computation of a logic, on the page of its
// list.
std::string TFormAnals2BR::ComputeLogic(const std::string& logicName) {
    const std::string result = ComputeTSSteps(logicName);
    ShowResultWindow(result == "OK" || result == kErrLines, logicName);
    return result;
}

TMemo* TFormAnals2BR::ResultMemoOf(const std::string& logicName) const {
    for (const TSResultList& list : kTSResultLists) {
        if (logicName == list.Logic) {
            return &(result_.*list.Memo);
        }
    }
    return nullptr;
}

std::string TFormAnals2BR::Copy_TS_ToAnal(const std::string& logicName) {
    const TMemo* memo = ResultMemoOf(logicName);
    return memo == nullptr ? "No entry for this logic !" : Anals.Copy_TSDefWW_ToAnal(memo->Lines);
}

std::string TFormAnals2BR::ComputeTSSteps(const std::string& logicName) {
    Anals.WorkPrepare.Clear();
    Anals.WorkSource.Clear();
    Anals.WorkTarget.Clear();
    lastCounts_.reset();
    TextList& results = result_.Memo_Results.Lines;
    const std::string copied = Copy_TS_ToAnal(logicName);
    if (copied == TAnals2BR::kErrSeparate) {
        results.Add(copied);
        LastTSStart = TSStartEnd::NotAllMatch;
        return copied;
    }
    const int entry = std::max(TAnals2BR::LogicEntry(logicName), 1);
    if (Anals.LogicsAnalysis[entry].Analysed != 1) {
        const std::string analysed = Anals.AnalyzeLogics(logicName);
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
    if (lastCounts_) {
        results.Add(SummaryLine(logicName, *lastCounts_));
    }
    Hide();
    return computed;
}

std::string TFormAnals2BR::Copy_TSDefWW_ToAnal() {
    return Anals.Copy_TSDefWW_ToAnal(result_.Memo_DefWW.Lines);
}

// The SE list is read once per computation: "All" reads it before its first logic.
std::string TFormAnals2BR::Compute_TS_ForALogik(const std::string& LogicName) {
    if (!seListRead_) {
        Ini_2BR_SEArray();
        seListRead_ = Parse2BR_SE("2BRMode");
    }
    if (*seListRead_ != "OK") {
        LastTSStart = TSStartEnd::Refused;
        return kErrSEArray;
    }
    const int entry = TAnals2BR::LogicEntry(LogicName);
    if (entry == 0) {
        return "OK";
    }
    Anals.SelectLogic(LogicName);
    Anals.LogicsAnalysis[entry].Name = LogicName;
    Anals.IniAllComputeTS_2BRStructs();
    if (Anals.LogicsAnalysis[entry].Algorithm != "BF") {
        return "OK";
    }
    lastCounts_ = ComputeLines(LogicName);
    return lastCounts_->LinesFailed ? kErrLines : "OK";
}

// Each line's verdict goes to the result-list line it was copied from. The progress bar of
// the result window follows the lines, and events are let through after each line.
TFormAnals2BR::LineCounts TFormAnals2BR::ComputeLines(const std::string& logicName) {
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
    ShowResultWindow(true, logicName);
    TextList& list = ResultMemoOf(logicName)->Lines;
    LineCounts counts;
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
            counts.LinesFailed = true;
        }
        // A line without its target is an error, whatever its verdict.
        if (target < 1 || result != "OK") {
            ++counts.Errors;
        } else if (StartsWith(verdict, kMatches)) {
            ++counts.Matches;
        } else {
            ++counts.Inconsistent;
        }
        ++progress.Position;
        ui_.ProcessEvents();
    }
    const bool allMatch = counts.Errors == 0 && counts.Inconsistent == 0;
    LastTSStart = allMatch ? TSStartEnd::AllMatch : TSStartEnd::NotAllMatch;
    return counts;
}

void TFormAnals2BR::ShowResultWindow(bool linesComputed, const std::string& logicName) {
    result_.PageControl.ActivePageIndex = kPage2BR;
    result_.PageControl2BR.ActivePageIndex = linesComputed ? kPageTSResults : kPageResults;
    result_.PageControlTS.ActivePageIndex = 0;
    for (std::size_t page = 0; page < kTSResultLists.size(); ++page) {
        if (logicName == kTSResultLists[page].Logic) {
            result_.PageControlTS.ActivePageIndex = static_cast<int>(page);
        }
    }
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
