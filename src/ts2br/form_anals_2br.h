#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "logic/logic_model.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/one_based.h"
#include "ts2br/analysis_structs.h"
#include "ts2br/se_array_2br.h"
#include "ts2br/ts_text.h"

namespace vx {

class TIniForm;
class TResultForm;
class TSessionForm;
class Ui;

namespace ts {
class TSProgram;
}

// The analysis unit of the 2BR computation. It checks the TS lines of a logic (work lists
// MemoPrepare, MemoSource, MemoTarget), parses each into its layers, pre-analyses the logic,
// and evaluates a line against its target value. Its driver, "TS start" of the session
// window, sorts the TS lines into the result lists of the result window, fills the work
// lists, calls the steps in order and writes the verdicts into the result lists.
class TFormAnals2BR : public TForm {
public:
    // The analysis unit with its driver, over the session window's 2BR lists and the result
    // window.
    TFormAnals2BR(Ui& ui, TIniForm& ini, TSessionForm& session, TResultForm& result);
    // The analysis alone: the driver does nothing. `unary1BR` and `binary1BR` are the
    // operator sets of the 1BR logic.
    TFormAnals2BR(Ui& ui, const LogicModel& logic, const ts::TLogopTable& unary1BR,
                  const ts::TLogopTable& binary1BR);
    ~TFormAnals2BR() override;

    // --- The driver of "TS start"
    // Sorts the TS lines into the nine result lists and computes the selected logic; a run
    // is ignored while a computation runs.
    void ButtonTSStartClick();
    std::string ComputeTS(const std::string& LogicName);
    // "ok", "No entry for this logic !" or "ERROR__SeparateSE_from_TS__TmpStr".
    std::string Copy_TSDefWW_ToAnal();
    // The same from a result list of the default WW logic (its first line is the header).
    std::string Copy_TSDefWW_ToAnal(const TextList& list);
    std::string MakeComputeAlgs(const std::string& LogicName);
    std::string Compute_TS_ForALogik(const std::string& LogicName);
    void Ini_2BR_SEArray();
    // Reads the session's SE list into the SE array: "OK" or "SEempty" (or the error of a
    // list beyond its limits).
    std::string Parse2BR_SE(const std::string& Mode);
    // The target value of TS line `Line` from the SE array, -1 if none.
    int GetTargetXWfromSession(int Line);
    // The result-list line that work-list line `line` was copied from.
    int ResultLineOf(int line) const;

    // How the last "TS start" ended: refused with a message before any line of the logic was
    // checked, or every computed line MATCHES (also when none was computed), or a line is
    // INCONSISTENT, has no target or has an error.
    enum class TSStartEnd { Refused, AllMatch, NotAllMatch };
    TSStartEnd LastTSStart = TSStartEnd::Refused;

    // Work lists, each starting with its header line.
    TMemo MemoPrepare;  // "//prepare for Anal": prepared line i + "- on SE line:" + k
    TMemo MemoSource;   // "//source of Anal": the TS part of line i
    TMemo MemoTarget;   // "//target of Anal if needed": the findings of the syntax check
    static constexpr const char* kHeaderPrepare = "//prepare for Anal";
    static constexpr const char* kHeaderSource = "//source of Anal";
    static constexpr const char* kHeaderTarget = "//target of Anal if needed";

    // --- Syntax check of the work lists
    // 1 when no TS part has a syntax error, -1 otherwise; findings go to MemoTarget.
    int SyntaxCheckTS(const std::string& LogicName);
    std::string SingleTSSyntaxCheck(const std::string& TSString) const;
    std::string Check_binLogop_Ini(const std::string& S, int Pos) const;

    // --- Parser and analysis
    std::string Analyze_TS(const std::string& LogicName);
    std::string Parse_TS(const std::string& TSString, int Layer, int ParentOrder, int Line,
                         int ParentSubBrackets);
    std::string Check_uLogop(const std::string& Ch) const;
    std::string Check_binLogop(const std::string& S, int Pos) const;
    int ReadLogopsAccordingToLogicPar(const std::string& LogicName);
    void ResetAnalTSArrays();
    std::string AnalyzeLogics(const std::string& Which);
    std::string AnalyzeOneLogic(const std::string& LogicName);
    void ResetAnalLogicsFlags(const std::string& Which);

    ts::TLogopTable ActiveUnaryOps, ActiveBinaryOps;
    OneBased<TLogicsAnalysis, kMaxLogicsAnalysis> LogicsAnalysis;
    // The analysis of TS line `line` (1..100).
    TDepthStructe& DepthStructe(int line);
    const TDepthStructe& DepthStructe(int line) const;

    // --- Evaluation
    // How ComputeLineTS searches the rows of a line: lines that fit the combination table
    // row by row and larger ones pruned (the normal way), or all in one of the two ways.
    enum class RowSearch { ByTableSize, AllRowByRow, AllPruned };
    RowSearch Search = RowSearch::ByTableSize;

    TCombinationTable CombTable;
    TLineTSLists LineLists;

    // Fills the combination table from the pre-analysis of entry 1; "OK" or "Err: not OK".
    std::string IniAllComputeTS_2BRStructs();
    std::string IniTS(int Line);
    int Compute_Needed_Combinations(int NV, int FreeCount);
    // Evaluates line `Line` against `Target`: "OK" with the verdict (", MATCHES ..." or
    // ", INCONSISTENT ...") in `verdict`, or the error text with `verdict` empty. The line is
    // compiled once and its rows are searched without allocation.
    std::string ComputeLineTS(const std::string& LogicName, int Line, int Target,
                              std::string& verdict);
    // The same result by walking the layered structures row after row: the reference that the
    // compiled search reproduces.
    std::string ComputeLineTSByWalk(const std::string& LogicName, int Line, int Target,
                                    std::string& verdict);
    int EvalSegment(int Line, int Row, int Layer, int Segment, int StartElement);
    int ResolveUnLogop(const std::string& Sign, int Value) const;
    int ResolveBinLogop(const std::string& Sign, int Left, int Right) const;
    int FindTSIndex(int TSNumber) const;

    const LogicModel& Logic() const { return logic_; }

private:
    struct LineRows {
        int NV = 0;
        int Rows = 0;
        const TLogicsAnalysis* Entry = nullptr;
    };

    std::string ShowError(const std::string& message, std::string result);
    // Parser steps.
    bool NextElement(int& counter, TAnalyzeLayer& layer, const std::string& s);
    std::string ParseEvalList(const std::string& s, int& p, TSubstrTS& element,
                              TDepthStructe& line);
    std::string ParseBrackets(const std::string& s, int layer, int line, int p);
    int CountSubBrackets(const std::string& content, const std::string& s);
    int BinLogopIndex(const std::string& s, int pos) const;
    // Analysis steps.
    std::string ReadSEParts(const std::string& logicName);
    std::string CountLinesTS(const std::string& logicName);
    std::string ParseLines(const std::string& logicName);
    std::string BuildSegments(const std::string& logicName);
    std::string CollectUniqueTS(const std::string& logicName);
    int LineCount() const;
    bool IsConfiguredLogicName(const std::string& name) const;
    // Evaluation steps.
    LineRows PrepareRows(const std::string& logicName, int line);
    // Prepares the rows of a line; true when the line is decided without them.
    bool StartLine(const std::string& logicName, int line, int target, std::string& verdict);
    int CellCode(const LineRows& rows, std::int64_t row, int column) const;
    int PrescribedValue(int tsNumber) const;
    int ElementValue(int lineNumber, int layer, int k, int row);
    int EvaluateRowByWalk(int line, int row, std::string& error);
    std::string WalkRows(int line, int target, int firstRow, std::string& verdict);
    std::string MatchText(const LineRows& rows, std::int64_t row, int target) const;
    bool CompileLine(int line, const LineRows& rows, ts::TSProgram& program);
    // Driver steps.
    bool SortTSLines();
    std::string ComputeTSSteps(const std::string& logicName);
    // False when the computation of a line failed.
    bool ComputeLines(const std::string& logicName);
    void ShowResultWindow(bool linesComputed);

    Ui& ui_;
    const LogicModel& logic_;
    const ts::TLogopTable& unary1BR_;
    const ts::TLogopTable& binary1BR_;
    // A line's analysis is allocated when the line is first analysed.
    std::array<std::unique_ptr<TDepthStructe>, kMaxTSLines> lines_;
    int tableNV_ = 0;  // NV the combination table was filled with; 0: not filled
    LineRows rows_;    // of the line being computed
    // The driver's windows; null for the analysis alone.
    TIniForm* ini_ = nullptr;
    TSessionForm* session_ = nullptr;
    TResultForm* result_ = nullptr;
    std::unique_ptr<T2BRSEArray> seArray_;
};

}  // namespace vx
