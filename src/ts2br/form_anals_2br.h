#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/form.h"
#include "ts2br/anals_2br.h"
#include "ts2br/se_array_2br.h"

namespace vx {

class TIniForm;
struct TMemo;
class TResultForm;
class TSessionForm;
class Ui;

// The analysis window with its driver, "TS start" of the session window: it sorts the TS
// lines into the result lists of the result window, fills the work lists of its analysis
// engine, calls the steps in order and writes the verdicts into the result lists.
class TFormAnals2BR : public TForm {
public:
    TFormAnals2BR(Ui& ui, TIniForm& ini, TSessionForm& session, TResultForm& result);
    ~TFormAnals2BR() override;

    // Sorts the TS lines into the nine result lists and computes the selected logic, or with
    // "All" every logic that has lines; a run is ignored while a computation runs. A logic
    // that the session does not configure is refused with a message naming it.
    void ButtonTSStartClick();
    // "Compute all": the same as "TS start" with "All" selected.
    void ButtonComputeAllClick();
    // Checks, analyses and evaluates the lines of one logic into its result list; "Results"
    // gets the findings, "OK" and the summary line of the logic.
    std::string ComputeTS(const std::string& LogicName);
    // The work lists from the result list of the default WW logic.
    std::string Copy_TSDefWW_ToAnal();
    std::string Compute_TS_ForALogik(const std::string& LogicName);
    void Ini_2BR_SEArray();
    // Reads the session's SE list into the SE array: "OK" or "SEempty" (or the error of a
    // list beyond its limits).
    std::string Parse2BR_SE(const std::string& Mode);
    // The target value of TS line `Line` from the SE array, -1 if none.
    int GetTargetXWfromSession(int Line);

    // How the last "TS start" ended: refused with a message before any line of the logic was
    // checked, or every computed line MATCHES (also when none was computed), or a line is
    // INCONSISTENT, has no target or has an error.
    enum class TSStartEnd { Refused, AllMatch, NotAllMatch };
    TSStartEnd LastTSStart = TSStartEnd::Refused;

    TAnals2BR Anals;

    // What the lines of a logic ended with: a line with no target or whose computation failed
    // counts once, as an error.
    struct LineCounts {
        int Matches = 0;
        int Inconsistent = 0;
        int Errors = 0;
        bool LinesFailed = false;  // the computation of a line failed
    };

private:
    void RunTSStart(const std::string& selected);
    void ComputeAllLogics();
    bool SortTSLines();
    std::string ComputeLogic(const std::string& logicName);
    std::string ComputeTSSteps(const std::string& logicName);
    TMemo* ResultMemoOf(const std::string& logicName) const;
    std::string Copy_TS_ToAnal(const std::string& logicName);
    LineCounts ComputeLines(const std::string& logicName);
    void ShowResultWindow(bool linesComputed, const std::string& logicName);

    Ui& ui_;
    TIniForm& ini_;
    TSessionForm& session_;
    TResultForm& result_;
    std::unique_ptr<T2BRSEArray> seArray_;
    std::optional<std::string> seListRead_;  // result of reading the SE list in this run
    std::optional<LineCounts> lastCounts_;   // of the logic computed last, when lines were
};

}  // namespace vx
