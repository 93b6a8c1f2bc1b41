#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "logic/logic_model.h"
#include "platform/one_based.h"
#include "platform/text_list.h"
#include "ts2br/analysis_structs.h"
#include "ts2br/ts_text.h"

namespace vx {

class Ui;

namespace ts {
class TSProgram;
}

// The 2BR analysis engine: it checks the TS lines of a logic held in its work lists
// (WorkPrepare, WorkSource, WorkTarget), parses each into its layers, pre-analyses the logic,
// and evaluates a line against its target value. It holds no window state; the analysis
// window and its "TS start" driver own one.
class TAnals2BR {
public:
    // `unary1BR` and `binary1BR` are the operator sets of the 1BR logic.
    TAnals2BR(Ui& ui, const LogicModel& logic, const ts::TLogopTable& unary1BR,
              const ts::TLogopTable& binary1BR);
    ~TAnals2BR();
    TAnals2BR(const TAnals2BR&) = delete;
    TAnals2BR& operator=(const TAnals2BR&) = delete;

    // Fills the work lists from a result list of the default WW logic (its first line is the
    // header): "ok", "No entry for this logic !" or "ERROR__SeparateSE_from_TS__TmpStr".
    std::string Copy_TSDefWW_ToAnal(const TextList& list);
    static constexpr const char* kErrSeparate = "ERROR__SeparateSE_from_TS__TmpStr";
    // The result-list line that work-list line `line` was copied from.
    int ResultLineOf(int line) const;

    // Work lists, each starting with its header line.
    TextList WorkPrepare;  // "//prepare for Anal": prepared line i + "- on SE line:" + k
    TextList WorkSource;   // "//source of Anal": the TS part of line i
    TextList WorkTarget;   // "//target of Anal if needed": the findings of the syntax check
    static constexpr const char* kHeaderPrepare = "//prepare for Anal";
    static constexpr const char* kHeaderSource = "//source of Anal";
    static constexpr const char* kHeaderTarget = "//target of Anal if needed";

    // --- The logics the engine computes
    // The entry of a logic's pre-analysis, in the order of the logic names of the
    // configuration: "DefWW" 1, "DefEW" 2, "DefDW" 3, "NewXW" 4, "RL1".."RL4" 5..8; 0 for any
    // other name.
    static int LogicEntry(const std::string& LogicName);
    // True when the session's configuration declares the logic with its value tables: a fixed
    // type kept with "No", the new type when there is one, a range logic within the count
    // that has a type.
    bool LogicConfigured(const std::string& LogicName) const;
    // The logic that the analysis and the evaluation work on: a known name selects its entry
    // and value type record; any other name leaves the selection as it is. The analysis steps
    // select the logic they are given.
    void SelectLogic(const std::string& LogicName);

    // --- Syntax check of the work lists
    // 1 when no TS part has a syntax error, -1 otherwise; findings go to WorkTarget. The check
    // knows the binary signs of the XW logics, whatever the logic; the parser those of the
    // line's own logic.
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
    // Chooses the evaluation algorithm of the logic: "BF", every row of the table.
    std::string MakeComputeAlgs(const std::string& LogicName);
    // How ComputeLineTS searches the rows of a line: lines that fit the combination table
    // row by row and larger ones pruned (the normal way), or all in one of the two ways.
    enum class RowSearch { ByTableSize, AllRowByRow, AllPruned };
    RowSearch Search = RowSearch::ByTableSize;
    // ComputeLineTS counts every row that gives the target and adds the count to a MATCHES
    // verdict.
    bool AllMatches = false;

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
    // The compiled form of line `Line` over the rows its last ComputeLineTS prepared; false
    // when the line meets more value codes than the compiled form can number.
    bool CompiledLine(int Line, ts::TSProgram& program);
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
    const TXW_Type& TypeOfEntry(int entry) const;
    const TXW_Type& ActiveType() const { return TypeOfEntry(activeEntry_); }
    TLogicsAnalysis& ActiveEntry() { return LogicsAnalysis[activeEntry_]; }
    bool IsConfiguredLogicName(const std::string& name) const;
    // Evaluation steps.
    LineRows PrepareRows(const std::string& logicName, int line);
    // Prepares the rows of a line; true when the line is decided without them.
    bool StartLine(const std::string& logicName, int line, int target, std::string& verdict);
    int CellCode(const LineRows& rows, std::int64_t row, int column) const;
    int PrescribedValue(int tsNumber) const;
    int ElementValue(int lineNumber, int layer, int k, int row);
    int EvaluateRowByWalk(int line, int row, std::string& error);
    std::string WalkRows(int line, int target, int firstRow, std::string& verdict,
                         int* matchRow = nullptr);
    std::uint64_t CountMatchesByWalk(int line, int target, int firstMatch);
    // A message of a failing row, unless the rows are walked only to be counted.
    void RowMessage(const std::string& text);
    std::string MatchText(const LineRows& rows, std::int64_t row, int target) const;
    bool CompileLine(int line, const LineRows& rows, ts::TSProgram& program);

    Ui& ui_;
    const LogicModel& logic_;
    const ts::TLogopTable& unary1BR_;
    const ts::TLogopTable& binary1BR_;
    // A line's analysis is allocated when the line is first analysed.
    std::array<std::unique_ptr<TDepthStructe>, kMaxTSLines> lines_;
    int activeEntry_ = 1;  // the logic worked on; the default WW logic until one is selected
    int tableNV_ = 0;      // NV the combination table was filled with; 0: not filled
    OneBased<std::uint16_t, kMaxValence> tableValues_;  // and the values it was filled with
    LineRows rows_;                                     // of the line being computed
    bool quietRows_ = false;
};

}  // namespace vx
