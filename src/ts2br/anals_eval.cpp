#include <algorithm>
#include <array>
#include <limits>
#include <optional>

#include "platform/ui.h"
#include "ts2br/anals_2br.h"
#include "ts2br/ts_diagram.h"
#include "ts2br/ts_program.h"

// The evaluation of an analysed TS line: the combination table, the per-line lists, the walk
// over the layers (the reference) and the compiled search that gives the same verdict.
namespace vx {
namespace {

const char* const kMsgWeights =
    "Fehler bei der Steprange-Analyse in Session.IniAllComputeTS: Wert groesser als Integer ? "
    "\r\rErr in Steprange-Analysis in Session.IniAllComputeTS: value is bigger than int ?";
const char* const kMsgCombinations =
    "Fehler bei der Combinations-Analyse in Anal2BR.Compute_Needed_Combinations: Wert groesser "
    "als Integer. \r\rErr in combination analysis in Anal2BR.Compute_Needed_Combinations: value "
    "is bigger than int";

std::string MsgTooManyCombinations(int line) {
    const std::string i = std::to_string(line);
    return " Warnung bei Vorbereitung der TS Berechnung: Die Anzahl der zu bewertetenden TS in "
           "Zeile " +
           i +
           "\rist groesser als die praktisch erlaubte. Die Berechung muss nicht zueinem Ergebnis "
           "fuehren !\r\rWarning at TS preparing TS computation: Number of TS to evaluate exceeds "
           "number of practically admited on Line  " +
           i + "\r The comutation might end without a result !";
}

std::string MsgCombinationsUnknown(int line) {
    const std::string i = std::to_string(line);
    return "Fehler bei Vorbereitung der TS Berechnung: Die Anzahl der zu bewertetenden "
           "Moeglichkeiten in Zeile " +
           i +
           "\rkonnte nicht berechnett werden.\r\rError at TS preparing TS computation: Number of "
           "computation possibilites couldnt be analyzed for Line  " +
           i + "\r";
}

std::string MsgAllRows(const std::string& se) {
    return "Fehler bei Vorbereitung der TS Berechnung: Die Anzahl der zu bewertetenden "
           "Moeglichkeiten kann nicht ermittelt werden \rEs werden daher alle max moeglichen "
           "verwendet.\r\rError prepare compting part of TS. Cannot compute combinations to use. "
           "So we use all possible: " +
           se;
}

std::string MsgNotInTable(int tsNumber, int line) {
    return "Error computing 2BR: Didnt found evaluation in prepared array for TS" +
           std::to_string(tsNumber) + " on line " + std::to_string(line);
}

std::string MsgUnaryOnBracket(int layer, int element) {
    return "Error in 2BRAnal.ResolveUnLogop func: in resolving UnLogop on Cell value:Layer" +
           std::to_string(layer) + "Cell Nr. " + std::to_string(element);
}

std::string MsgUnaryOnTerm(int layer, int tsNumber) {
    return "Error in 2BRAnal.ResolveUnLogop func: in resolving UnLogop of TS:Layer" +
           std::to_string(layer) + "TS Nr. " + std::to_string(tsNumber);
}

std::string MsgZeroOperand(int tsNumber) {
    return "Error in computing binary relation on: Cell or TS - Order Nr: " +
           std::to_string(tsNumber) + "One or both params have no legal TS value. ";
}

std::string MsgBinaryInGroup(int tsNumber) {
    return "Error in Anal2BR computing binary relation on: Cell or TS - Order Nr: " +
           std::to_string(tsNumber);
}

std::string MsgBinaryJoin(int tsNumber) {
    return "Error in Anal2BR computing binary relation between a Temp Results on: Cell or TS - "
           "Order Nr: " +
           std::to_string(tsNumber);
}

std::string MsgZeroTotal(int tsNumber) {
    return "Error ResultUNit on returning EvalPartTS func: No evaluation as Total-Result have to "
           "be > 0. Evaluation of Cell failed Nr: " +
           std::to_string(tsNumber) + "On Layer: IntToStr(i)";
}

std::string Inconsistent(int target) {
    return ", INCONSISTENT with SE-Target: " + std::to_string(target);
}

// Follows the first assignment of a MATCHES verdict when every match is counted.
std::string MatchCount(std::uint64_t rows) {
    return ", matches: " + std::to_string(rows) +
           (rows == 1 ? ", determined" : ", underdetermined");
}

constexpr int kAllRows = 32767;  // rows used when the number of combinations is unknown
constexpr int kNoTarget = -1;

// base^exponent, or nothing when it does not fit a signed 32-bit integer.
std::optional<std::int32_t> Power(int base, int exponent) {
    std::int64_t value = 1;
    for (int i = 0; i < exponent; ++i) {
        value *= base;
        if (value > std::numeric_limits<std::int32_t>::max() || value < 0) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(value);
}

struct TableShape {
    int rows;
    int cols;
};

std::optional<TableShape> ShapeFor(int nv) {
    switch (nv) {
        case 5:
            return TableShape{15625, 6};
        case 4:
            return TableShape{16384, 7};
        case 3:
            return TableShape{19683, 9};
        case 2:
            return TableShape{16384, 12};
        default:
            return std::nullopt;
    }
}

// Cell Result of the first row of operator `sign` of `type` whose operand cells `match`; -1
// when there is none.
template <std::size_t Result, typename Rel, std::size_t N, typename Match>
int LookUp(const TXW_Type& type, const OneBased<Rel, N>& rels, const std::string& sign,
           Match match) {
    const int rows = std::min(type.Valence * type.Valence, kMaxTableRows);
    for (int j = 1; j <= kMaxLogops; ++j) {
        const Rel& op = rels[j];
        if (op.Sign.str() != sign) {
            continue;
        }
        for (int r = 1; r <= rows; ++r) {
            const auto& row = op.Table[r];
            if (match(row)) {
                return row[Result];
            }
        }
    }
    return -1;
}

// Calls group(first, end) for each group of the elements start..last of a layer, in order: a
// group closes where precedence drops (a smaller OpIndex binds more tightly), at the end of the
// segment, and after every element of a line with one distinct TS. False when a call was.
template <typename Group>
bool ForEachGroup(const TAnalyzeLayer& layer, bool oneDistinctTS, int start, int last,
                  Group group) {
    int prevOp = 0;
    int lastEnd = 0;
    for (int cursor = start; cursor <= last && layer.Elements[cursor].Order != 0; ++cursor) {
        const int curOp = cursor <= kMaxBinLogops ? layer.BinLogops[cursor].OpIndex : 0;
        const bool closes = (prevOp > 0 && (prevOp < curOp || cursor == last)) || oneDistinctTS;
        if (closes && !group(std::max(lastEnd + 1, start), cursor)) {
            return false;
        }
        prevOp = curOp;
        lastEnd = closes ? cursor : lastEnd;
    }
    return true;
}

}  // namespace

// --- Combination table and the lists of a line

std::string TAnals2BR::IniAllComputeTS_2BRStructs() {
    const TLogicsAnalysis& entry = ActiveEntry();
    const int nv = entry.NumValues;
    CombTable.ClearCells();
    CombTable.Weights.Fill(0);
    CombTable.RowCount = 0;
    CombTable.ColCount = 0;
    tableNV_ = 0;
    const auto shape = ShapeFor(nv);
    if (!shape) {
        return "OK";
    }
    for (int j = 1; j <= shape->cols; ++j) {
        const auto weight = Power(nv, j - 1);
        if (!weight) {
            return ShowError(kMsgWeights, "Err: not OK");
        }
        CombTable.Weights[j] = *weight;
    }
    CombTable.RowCount = shape->rows;
    CombTable.ColCount = shape->cols;
    // Row r spells r - 1 in base NV, column 1 the lowest digit.
    std::array<int, kCombinationCols> digits{};
    for (int r = 1; r <= shape->rows; ++r) {
        auto& row = CombTable.Row(r);
        for (int j = 0; j < shape->cols; ++j) {
            row[static_cast<std::size_t>(j)] =
                entry.Values[digits[static_cast<std::size_t>(j)] + 1];
        }
        for (auto& digit : digits) {
            if (++digit < nv) {
                break;
            }
            digit = 0;
        }
    }
    tableNV_ = nv;
    tableValues_ = entry.Values;
    return "OK";
}

// Distinct-TS slots that hold no number (a "TS" the count saw but the parser did not) are
// passed over: they would enter the enumeration as a phantom TS0.
std::string TAnals2BR::IniTS(int Line) {
    LineLists = TLineTSLists{};
    CombTable.FreeTS.Fill(0);
    CombTable.Weights.Fill(0);
    CombTable.Counters.Fill(0);
    const TDepthStructe& line = DepthStructe(Line);
    const TLogicsAnalysis& entry = ActiveEntry();
    for (int u = 1; u <= std::min(line.DistinctCount, kMaxUniqueTS); ++u) {
        const TUniqueTS& unique = line.UniqueTS[u];
        if (unique.TSNumber == 0) {
            continue;
        }
        const int value = unique.Evals[1];
        if (value > 0) {
            LineLists.PrescribedList[++LineLists.PrescribedCount] = {unique.TSNumber, value};
            if (value == kValue40 && entry.Simple40) {
                LineLists.Flag40 = true;
            }
        } else {
            LineLists.FreeList[++LineLists.FreeCount] = unique.TSNumber;
        }
    }
    for (int k = 1; k <= std::min(LineLists.FreeCount, kCombinationCols); ++k) {
        CombTable.FreeTS[k] = static_cast<std::uint16_t>(LineLists.FreeList[k]);
    }
    if (LineLists.FreeCount < kCombinationCols) {
        const auto combinations = Power(entry.NumValues, LineLists.FreeCount);
        if (!combinations) {
            ui_.ShowMessage(MsgCombinationsUnknown(Line));
        } else if (*combinations > kCombinationRows) {
            ui_.ShowMessage(MsgTooManyCombinations(Line));
        }
    }
    return "OK";
}

int TAnals2BR::Compute_Needed_Combinations(int NV, int FreeCount) {
    const auto combinations = Power(NV, FreeCount);
    if (!combinations) {
        ui_.ShowMessage(kMsgCombinations);
        return 0;
    }
    return *combinations;
}

int TAnals2BR::FindTSIndex(int TSNumber) const {
    for (int k = 1; k <= kCombinationCols && CombTable.FreeTS[k] != 0; ++k) {
        if (CombTable.FreeTS[k] == TSNumber) {
            return k;
        }
    }
    return -1;
}

int TAnals2BR::PrescribedValue(int tsNumber) const {
    for (int k = 1; k <= LineLists.PrescribedCount; ++k) {
        if (LineLists.PrescribedList[k].TSNumber == tsNumber) {
            return LineLists.PrescribedList[k].Value;
        }
    }
    return 0;
}

// --- Value table lookups in the tables of the logic worked on

int TAnals2BR::ResolveUnLogop(const std::string& Sign, int Value) const {
    const TXW_Type& type = ActiveType();
    return LookUp<1>(type, type.LogRels.UnLogRel, Sign,
                     [Value](const TUnTableRow& row) { return row[0] == Value; });
}

int TAnals2BR::ResolveBinLogop(const std::string& Sign, int Left, int Right) const {
    const TXW_Type& type = ActiveType();
    return LookUp<2>(type, type.LogRels.BinLogRel, Sign, [Left, Right](const TBinTableRow& row) {
        return row[0] == Left && row[1] == Right;
    });
}

// --- The rows of a line

TAnals2BR::LineRows TAnals2BR::PrepareRows(const std::string& logicName, int line) {
    LineRows rows;
    for (int k = 1; k <= kMaxLogicsAnalysis; ++k) {
        if (LogicsAnalysis[k].Name == logicName) {
            rows.Entry = &LogicsAnalysis[k];
            rows.NV = rows.Entry->NumValues;
            break;
        }
    }
    if (rows.NV < 1) {
        rows.NV = 0;
        rows.Rows = 1;
        return rows;
    }
    rows.Rows = Compute_Needed_Combinations(rows.NV, LineLists.FreeCount);
    if (rows.Rows == 0) {
        ui_.ShowMessage(MsgAllRows(DepthStructe(line).SE));
        rows.Rows = kAllRows;
    }
    return rows;
}

// Row r spells r - 1 in base NV, free TS 1 the lowest digit, digit d standing for Values[d + 1];
// rows inside the filled table are read from it. Without values a free TS has none (0).
int TAnals2BR::CellCode(const LineRows& rows, std::int64_t row, int column) const {
    if (rows.NV < 1 || rows.Entry == nullptr) {
        return 0;
    }
    if (tableNV_ == rows.NV && tableValues_ == rows.Entry->Values &&
        rows.Rows <= CombTable.RowCount) {
        return CombTable.Cell(static_cast<int>(row), column);
    }
    std::int64_t rest = row - 1;
    for (int j = 1; j < column; ++j) {
        rest /= rows.NV;
    }
    return rows.Entry->Values[static_cast<int>(rest % rows.NV) + 1];
}

std::string TAnals2BR::MatchText(const LineRows& rows, std::int64_t row, int target) const {
    std::string assignment;
    for (int k = 1; k <= LineLists.FreeCount; ++k) {
        assignment += "TS" + std::to_string(LineLists.FreeList[k]) + "=" +
                      std::to_string(CellCode(rows, row, k)) + " ";
    }
    return ", MATCHES with SE-Target: " + std::to_string(target) + " with:" + assignment;
}

// --- The walk over the layers

void TAnals2BR::RowMessage(const std::string& text) {
    if (!quietRows_) {
        ui_.ShowMessage(text);
    }
}

int TAnals2BR::ElementValue(int lineNumber, int layerIndex, int k, int row) {
    const TSubstrTS& element = DepthStructe(lineNumber).Layer(layerIndex).Elements[k];
    int value = 0;
    if (element.IsBracket()) {
        value = element.BracketValue;
    } else if (const int prescribed = PrescribedValue(element.TSNumber); prescribed > 0) {
        value = prescribed;
    } else {
        const int column = FindTSIndex(element.TSNumber);
        if (column < 1) {
            RowMessage(MsgNotInTable(element.TSNumber, lineNumber));
            return -1;
        }
        value = CellCode(rows_, row, column);
    }
    if (element.UnLogop.empty()) {
        return value;
    }
    const int result = ResolveUnLogop(element.UnLogop, value);
    if (result == -1) {
        RowMessage(element.IsBracket() ? MsgUnaryOnBracket(layerIndex, k)
                                       : MsgUnaryOnTerm(layerIndex, element.TSNumber));
    }
    return result;
}

// Groups close where precedence drops (a smaller OpIndex binds more tightly) and at the end of
// the segment; each group is evaluated from right to left and joined to the total.
int TAnals2BR::EvalSegment(int Line, int Row, int Layer, int Segment, int StartElement) {
    TDepthStructe& line = DepthStructe(Line);
    TAnalyzeLayer& layer = line.Layer(Layer);
    const int last = Layer == 0 ? layer.SegEnd[1] - 1 : layer.SegEnd[Segment];
    const int parent = layer.Elements[StartElement].ParentOrder;
    int total = 0;
    if (StartElement == last) {
        total = ElementValue(Line, Layer, StartElement, Row);
        if (total < 0) {
            return -1;
        }
    } else {
        const bool evaluated = ForEachGroup(
            layer, line.DistinctCount == 1, StartElement, last, [&](int first, int end) {
                int right = 0;
                for (int k = end; k >= first; --k) {
                    const int value = ElementValue(Line, Layer, k, Row);
                    if (value < 0) {
                        return false;
                    }
                    if (k == end) {
                        right = value;
                        continue;
                    }
                    const int tsNumber = layer.Elements[k].TSNumber;
                    if (value == 0 || right == 0) {
                        RowMessage(MsgZeroOperand(tsNumber));
                        return false;
                    }
                    right = ResolveBinLogop(layer.BinLogops[k].Sign, value, right);
                    if (right == -1) {
                        RowMessage(MsgBinaryInGroup(tsNumber));
                        return false;
                    }
                }
                if (total == 0) {
                    total = right;
                    return true;
                }
                total = ResolveBinLogop(layer.BinLogops[first - 1].Sign, total, right);
                if (total == -1) {
                    RowMessage(MsgBinaryJoin(layer.Elements[end].TSNumber));
                    return false;
                }
                return true;
            });
        if (!evaluated) {
            return -1;
        }
    }
    if (parent != 0) {
        line.Layer(Layer - 1).Elements[parent].BracketValue = total;
    }
    if (total == 0) {
        RowMessage(MsgZeroTotal(layer.Elements[std::max(last, 1)].TSNumber));
        return -1;
    }
    return total;
}

// The value of the whole line in one row: deeper layers first, so that every bracket's value
// is known before the layer holding the bracket is evaluated.
int TAnals2BR::EvaluateRowByWalk(int line, int row, std::string& error) {
    TDepthStructe& depth = DepthStructe(line);
    int value = -1;
    for (int l = depth.MaxLayer; l >= 0; --l) {
        const TAnalyzeLayer& layer = depth.Layer(l);
        const int segments = l == 0 ? 1 : layer.SegCount;
        for (int s = 1; s <= segments; ++s) {
            const int start = layer.SegStart[s];
            value = EvalSegment(line, row, l, s, start);
            if (value <= 0) {
                error = "Error compting part of TS: " + depth.SE +
                        "Cell:" + layer.Elements[std::max(start, 1)].Content;
                return -1;
            }
        }
    }
    return value;
}

std::string TAnals2BR::WalkRows(int line, int target, int firstRow, std::string& verdict,
                                int* matchRow) {
    for (int row = firstRow; row <= rows_.Rows; ++row) {
        std::string error;
        const int value = EvaluateRowByWalk(line, row, error);
        if (value < 0) {
            return error;
        }
        if (value == target) {
            verdict = MatchText(rows_, row, target);
            if (matchRow != nullptr) {
                *matchRow = row;
            }
            return "OK";
        }
    }
    verdict = Inconsistent(target);
    return "OK";
}

// Only a line that the compiled form cannot hold is counted row by row. The rows after its
// first match are walked without their messages: a row that fails there is no match and
// leaves the verdict as it is.
std::uint64_t TAnals2BR::CountMatchesByWalk(int line, int target, int firstMatch) {
    std::uint64_t matches = 1;
    quietRows_ = true;
    for (int row = firstMatch + 1; row <= rows_.Rows; ++row) {
        std::string error;
        matches += EvaluateRowByWalk(line, row, error) == target ? 1 : 0;
    }
    quietRows_ = false;
    return matches;
}

// A line with a prescribed 40 under Simple40 is 40 whatever its free TS: it is decided without
// a search.
bool TAnals2BR::StartLine(const std::string& logicName, int line, int target,
                          std::string& verdict) {
    verdict.clear();
    rows_ = PrepareRows(logicName, line);
    if (LineLists.Flag40) {
        verdict = target == kValue40 ? MatchText(rows_, 1, target) : Inconsistent(target);
    }
    return LineLists.Flag40;
}

std::string TAnals2BR::ComputeLineTSByWalk(const std::string& LogicName, int Line, int Target,
                                           std::string& verdict) {
    if (StartLine(LogicName, Line, Target, verdict)) {
        return "OK";
    }
    return WalkRows(Line, Target, 1, verdict);
}

// --- The compiled line

namespace {

// Turns the layers of a line into instructions. Each segment is emitted with the segments of
// its brackets before its own groups, so that a bracket's instructions form one run; the
// groups follow EvalSegment step by step, so that a row fails exactly where the walk fails.
class LineCompiler {
public:
    LineCompiler(const TAnals2BR& anals, const TDepthStructe& line, ts::TSProgramBuilder& builder)
        : anals_(anals), line_(line), builder_(builder) {}

    void Segment(int l, int s) {
        const TAnalyzeLayer& layer = line_.Layer(l);
        const int start = layer.SegStart[s];
        const int last = l == 0 ? layer.SegEnd[1] - 1 : layer.SegEnd[s];
        builder_.BeginSegment();
        for (int k = start; k <= last && layer.Elements[k].Order != 0; ++k) {
            if (const int child = ChildSegment(l, k); child > 0) {
                Segment(l + 1, child);
            }
        }
        if (start == last) {
            Load(layer, l, start);
            builder_.SetTotal();
        } else {
            Groups(layer, l, start, last);
        }
        const int parent = layer.Elements[start].ParentOrder;
        builder_.EndSegment(parent != 0 ? SlotOf(l - 1, parent) : -1);
    }

private:
    void Groups(const TAnalyzeLayer& layer, int l, int start, int last) {
        bool firstGroup = true;
        ForEachGroup(layer, line_.DistinctCount == 1, start, last, [&](int first, int end) {
            Load(layer, l, end);
            for (int k = end - 1; k >= first; --k) {
                Bin(layer, l, k);
            }
            if (firstGroup) {
                builder_.SetTotal();
            } else {
                builder_.Join(layer.BinLogops[first - 1].Sign);
            }
            firstGroup = false;
            return true;
        });
    }

    // The segment of layer l + 1 holding the content of bracket k of layer l, or 0.
    int ChildSegment(int l, int k) const {
        if (!line_.Layer(l).Elements[k].IsBracket() || l >= kMaxLayerIndex) {
            return 0;
        }
        const TAnalyzeLayer& below = line_.Layer(l + 1);
        for (int s = 1; s <= below.SegCount; ++s) {
            if (below.Elements[below.SegStart[s]].ParentOrder == k) {
                return s;
            }
        }
        return 0;
    }

    int SlotOf(int l, int k) {
        int& id = slots_[static_cast<std::size_t>(l)][static_cast<std::size_t>(k)];
        if (id == 0) {
            id = ++slotCount_;
        }
        return id - 1;
    }

    // The operand of element k, or nothing for a term that has no value: it fails there.
    std::optional<ts::Operand> OperandOf(const TAnalyzeLayer& layer, int l, int k) {
        const TSubstrTS& element = layer.Elements[k];
        if (element.IsBracket()) {
            return builder_.Slot(SlotOf(l, k), element.UnLogop);
        }
        const TLineTSLists& lists = anals_.LineLists;
        for (int p = 1; p <= lists.PrescribedCount; ++p) {
            if (lists.PrescribedList[p].TSNumber == element.TSNumber) {
                return builder_.Const(lists.PrescribedList[p].Value, element.UnLogop);
            }
        }
        const int column = anals_.FindTSIndex(element.TSNumber);
        if (column < 1) {
            return std::nullopt;
        }
        return builder_.Free(column - 1, element.UnLogop);
    }

    void Load(const TAnalyzeLayer& layer, int l, int k) {
        if (const auto operand = OperandOf(layer, l, k)) {
            builder_.Load(*operand);
        } else {
            builder_.Fail();
        }
    }

    void Bin(const TAnalyzeLayer& layer, int l, int k) {
        if (const auto operand = OperandOf(layer, l, k)) {
            builder_.Bin(layer.BinLogops[k].Sign, *operand);
        } else {
            builder_.Fail();
        }
    }

    const TAnals2BR& anals_;
    const TDepthStructe& line_;
    ts::TSProgramBuilder& builder_;
    std::array<std::array<int, kMaxElements + 1>, kMaxLayerIndex + 1> slots_{};
    int slotCount_ = 0;
};

}  // namespace

bool TAnals2BR::CompileLine(int lineNumber, const LineRows& rows, ts::TSProgram& program) {
    std::vector<int> digitCodes;
    for (int d = 1; d <= rows.NV && rows.Entry != nullptr; ++d) {
        digitCodes.push_back(rows.Entry->Values[d]);
    }
    if (digitCodes.empty()) {
        digitCodes.push_back(0);
    }
    ts::TSProgramBuilder builder(
        [this](const std::string& sign, int value) { return ResolveUnLogop(sign, value); },
        [this](const std::string& sign, int left, int right) {
            return ResolveBinLogop(sign, left, right);
        },
        std::move(digitCodes), std::min(LineLists.FreeCount, kCombinationCols));
    LineCompiler(*this, DepthStructe(lineNumber), builder).Segment(0, 1);
    program = builder.Build();
    return program.Valid();
}

bool TAnals2BR::CompiledLine(int Line, ts::TSProgram& program) {
    return CompileLine(Line, rows_, program);
}

// The row found by the search is evaluated once more: a match gives the verdict, a failing row
// is walked so that it reports exactly as the walk does. With AllMatches a MATCHES verdict
// also counts every row that gives the target; rows that fail are not counted.
std::string TAnals2BR::ComputeLineTS(const std::string& LogicName, int Line, int Target,
                                     std::string& verdict) {
    if (StartLine(LogicName, Line, Target, verdict)) {
        if (AllMatches && Target == kValue40) {
            verdict += MatchCount(1);
        }
        return "OK";
    }
    ts::TSProgram program;
    if (!CompileLine(Line, rows_, program)) {
        int matchRow = 0;
        const std::string result = WalkRows(Line, Target, 1, verdict, &matchRow);
        if (AllMatches && matchRow > 0) {
            verdict += MatchCount(CountMatchesByWalk(Line, Target, matchRow));
        }
        return result;
    }
    const int target = program.IndexOfCode(Target);
    const std::optional<std::int32_t> power = Power(program.Base(), program.Columns());
    const bool pruned = power && *power == rows_.Rows &&
                        (Search == RowSearch::AllPruned ||
                         (Search == RowSearch::ByTableSize && rows_.Rows > kCombinationRows));
    const std::int64_t row = pruned ? ts::FirstDecisiveRowPruned(program, target)
                                    : ts::FirstDecisiveRow(program, rows_.Rows, target);
    if (row == 0) {
        verdict = Inconsistent(Target);
        return "OK";
    }
    if (target != kNoTarget && ts::ValueOfRow(program, row) == target) {
        verdict = MatchText(rows_, row, Target);
        if (AllMatches) {
            verdict += MatchCount(ts::CountMatchingRows(program, target));
        }
        return "OK";
    }
    return WalkRows(Line, Target, static_cast<int>(row), verdict);
}

}  // namespace vx
