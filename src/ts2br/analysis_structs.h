#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/one_based.h"

// The analysis records of the TS lines of one logic and the tables of their evaluation. All are
// fixed tables; their limits are the limits of what a TS line may hold.
namespace vx {

inline constexpr int kMaxTSLines = 100;         // TS lines per logic
inline constexpr int kMaxLayerIndex = 12;       // layers 0..12; brackets may nest 11 deep
inline constexpr int kMaxElements = 99;         // elements per layer
inline constexpr int kMaxBinLogops = 98;        // binary signs per layer
inline constexpr int kMaxSegments = 12;         // segments per layer
inline constexpr int kMaxUniqueTS = 99;         // distinct TS slots of a line
inline constexpr int kMaxDistinctTS = 12;       // distinct TS numbers a line may use
inline constexpr int kMaxEvals = 4;             // values of an evaluation list
inline constexpr int kMaxLogicsAnalysis = 12;   // pre-analysed logics
inline constexpr int kCombinationRows = 20000;  // combinations the table is meant to hold
inline constexpr int kCombinationCols = 12;
inline constexpr int kMaxLineTS = 99;  // entries of the prescribed and free lists of a line
// The WW value 40; a logic that has it among its values (Simple40) leaves it out of the rows
// it combines.
inline constexpr int kValue40 = 40;

// One element of a layer: a term or a bracket.
struct TSubstrTS {
    int Order = 0;          // number in its layer; 0 = no element
    int ParentOrder = 0;    // Order of the bracket of the layer above holding it; 0 on layer 0
    std::string UnLogop;    // unary sign in front of the element
    std::uint8_t Done = 0;  // 1 once a bracket's content has been parsed
    std::string Content;    // a bracket's text between its brackets; empty for a term
    int StartPos = 0;
    int EndPos = 0;
    int SubBrackets = 0;  // brackets directly inside Content
    // Value of a bracket while a row is evaluated. Wide enough for every 16-bit value code.
    std::int32_t BracketValue = 0;
    int TSNumber = 0;
    OneBased<std::uint16_t, kMaxEvals> Evals;  // Evals[1]: the prescribed evaluation, 0 = none

    bool IsBracket() const { return !Content.empty(); }
};

struct TBinLogop {
    std::string Sign;
    int OpIndex = 0;  // position 1..9 of the sign in the active binary table; its precedence
};

// One bracket depth of a line.
struct TAnalyzeLayer {
    OneBased<TSubstrTS, kMaxElements> Elements;
    OneBased<TBinLogop, kMaxBinLogops> BinLogops;  // BinLogops[k] follows element k
    OneBased<int, kMaxSegments> SegLen;
    int SegCount = 0;
    OneBased<int, kMaxSegments> SegStart;
    OneBased<int, kMaxSegments> SegEnd;  // layer 0: one past the last element
    int Touched = 0;  // highest element slot written, so that a reset clears only what was used

    // Number of elements in use (they are numbered 1..n without gaps).
    int ElementCount() const;
    void Reset();
};

struct TUniqueTS {
    int TSNumber = 0;  // 0 = free slot
    OneBased<std::uint16_t, kMaxEvals> Evals;
    std::uint8_t HasEval = 0;
};

// The analysis of one TS line.
struct TDepthStructe {
    std::array<TAnalyzeLayer, kMaxLayerIndex + 1> Layers;  // layer 0 is the TS part itself
    OneBased<TUniqueTS, kMaxUniqueTS> UniqueTS;
    std::string SE;
    std::int16_t MultiEvalFlag = 0;
    int DistinctCount = 0;
    int MaxLayer = 0;

    TAnalyzeLayer& Layer(int layer);
    const TAnalyzeLayer& Layer(int layer) const;
    void Reset();
};

// The pre-analysis of one logic.
struct TLogicsAnalysis {
    std::string Name;
    std::uint8_t Analysed = 0;
    std::int16_t OpFlag = 0;
    bool Simple40 = false;
    std::int16_t NumValues = 0;
    OneBased<std::uint16_t, 5> Values;
    std::string Algorithm;
};

// The combination table: row r holds, in column j, the value of free TS j in combination r.
class TCombinationTable {
public:
    TCombinationTable();

    std::uint16_t& Cell(int row, int col);
    std::uint16_t Cell(int row, int col) const;
    // Row r (1-based) as a whole: column j is entry j - 1.
    std::array<std::uint16_t, kCombinationCols>& Row(int row);
    void ClearCells();

    OneBased<std::uint16_t, kCombinationCols> FreeTS;  // TS number of each column
    int RowCount = 0;
    int ColCount = 0;
    OneBased<std::int32_t, kCombinationCols> Weights;
    OneBased<std::uint16_t, kCombinationCols> Counters;

private:
    std::unique_ptr<std::array<std::array<std::uint16_t, kCombinationCols>, kCombinationRows>>
        cells_;
};

// The per-line lists of the evaluation: the TS with a prescribed value and the free TS.
struct TLineTSLists {
    struct Prescribed {
        int TSNumber = 0;
        int Value = 0;
    };
    OneBased<Prescribed, kMaxLineTS> PrescribedList;
    int PrescribedCount = 0;
    OneBased<int, kMaxLineTS> FreeList;
    int FreeCount = 0;
    bool Flag40 = false;
};

}  // namespace vx
