#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The compiled form of one analysed TS line: its layers and precedence groups resolved into a
// flat sequence of table lookups over a small dense numbering of the value codes the line can
// meet. A row is evaluated without allocation; sets of rows are bounded by evaluating the same
// sequence over sets of values.
namespace vx::ts {

inline constexpr std::uint8_t kFail = 0xFF;  // the row's evaluation fails
inline constexpr int kMaxDomain = 64;        // value codes a compiled line may meet
inline constexpr int kMaxColumns = 12;       // free TS of a line

// The value lookups of the logic by sign, -1 when nothing is found: the program is built from
// exactly the lookups that the walk over the layers uses.
using UnaryLookup = std::function<int(const std::string& sign, int value)>;
using BinaryLookup = std::function<int(const std::string& sign, int left, int right)>;

// An operand of an instruction: a place in the value array of an evaluation (the columns of
// the row, then the constants, then the values of the brackets) with the number of its unary
// sign (0: none).
struct Operand {
    std::uint16_t place = 0;
    std::uint8_t unary = 0;
};

struct Instruction {
    // Load: right := operand. Bin: right := operand <sign> right (both must be non-zero).
    // SetTotal: total := right. Join: total := right when total is 0, else total <sign> right.
    // EndSegment: the segment's value total goes to its bracket's place; 0 fails.
    // Fail: a term that has no value.
    enum class Code : std::uint8_t { Load, Bin, SetTotal, Join, EndSegment, Fail };
    Code code = Code::Load;
    Operand operand;
    std::uint8_t binary = 0;  // number of the binary sign
    std::int16_t slot = -1;   // EndSegment: place of the bracket's value, -1 on layer 0
};

// The instructions of one segment (the content of a bracket, or layer 0) together with those
// of the brackets inside it, the columns they read, and the place of the bracket's value.
struct Segment {
    int first = 0;
    int last = 0;  // its EndSegment
    std::uint16_t support = 0;
    std::int16_t slot = -1;
};

// What a set of rows can give: the values of the rows that do not fail, and whether a row
// might fail.
struct ValueSet {
    std::uint64_t values = 0;
    bool mayFail = false;
};

class TSProgram {
public:
    // False when the line can meet more value codes than kMaxDomain; it cannot run then.
    bool Valid() const { return valid_; }
    int Base() const { return static_cast<int>(digitValue_.size()); }
    int Columns() const { return columns_; }
    // Size of the value array of an evaluation.
    int Places() const { return columns_ + static_cast<int>(constants_.size()) + slotCount_; }
    // Dense number of a code, or -1 when the line never meets it.
    int IndexOfCode(int code) const;
    // Dense number of the value that digit d of a column stands for.
    std::uint8_t DigitValue(int d) const { return digitValue_[static_cast<std::size_t>(d)]; }
    // True when the free TS of `column` occurs more than once in the line.
    bool Repeated(int column) const { return repeated_[static_cast<std::size_t>(column)]; }

    // A value array of Places() entries with the constants in place; the caller writes the
    // columns (places 0 .. Columns() - 1) for each row.
    std::vector<std::uint8_t> NewValues() const;
    std::vector<std::uint64_t> NewValueSets() const;

    // The line's value (a dense number) for the columns in `values`, or kFail.
    std::uint8_t Evaluate(std::uint8_t* values) const {
        return EvaluateRange(values, 0, static_cast<int>(code_.size()) - 1);
    }
    // What the rows can give whose columns take the values of the sets in `values`. With
    // `scratch` (a value array), a segment whose columns allow few combinations is evaluated
    // row by row, which makes its set exact also where a TS occurs more than once in it.
    ValueSet EvaluateSets(std::uint64_t* values, std::uint8_t* scratch) const;

private:
    friend class TSProgramBuilder;
    friend class ValueDiagram;

    std::uint8_t Unary(const Operand& operand, std::uint8_t value) const {
        return unary_[(std::size_t{operand.unary} << 6) | value];
    }
    std::uint8_t Binary(int sign, std::uint8_t left, std::uint8_t right) const {
        return binary_[(static_cast<std::size_t>(sign) << 12) | (std::size_t{left} << 6) | right];
    }
    std::uint8_t EvaluateRange(std::uint8_t* values, int first, int last) const;
    int ExactSegmentAt(int at, const std::uint64_t* values) const;
    std::uint64_t ExactSet(const Segment& segment, const std::uint64_t* values,
                           std::uint8_t* scratch, bool& mayFail) const;
    std::uint64_t UnarySet(const Operand& operand, std::uint64_t values, bool& mayFail) const;
    std::uint64_t BinarySet(int sign, std::uint64_t left, std::uint64_t right, bool& mayFail) const;

    bool valid_ = false;
    int columns_ = 0;
    int slotCount_ = 0;
    std::uint8_t zero_ = 0;
    std::vector<int> codes_;
    std::vector<std::uint8_t> constants_;  // dense values of the constant places
    std::vector<std::uint8_t> digitValue_;
    std::vector<bool> repeated_;
    std::vector<std::uint8_t> unary_;   // [sign][value]; sign 0 is "no sign"
    std::vector<std::uint8_t> binary_;  // [sign][left][right]
    std::vector<Instruction> code_;
    std::vector<Segment> segments_;
    std::vector<std::vector<int>> segmentsAt_;  // by first instruction, the widest first
};

// Collects a line's instructions in evaluation order, then closes the set of reachable codes
// under the signs used and fills the lookup tables.
class TSProgramBuilder {
public:
    // `digitCodes`: the value code each digit of a column stands for (digit d: entry d).
    TSProgramBuilder(UnaryLookup unary, BinaryLookup binary, std::vector<int> digitCodes,
                     int columns);

    // Operands: a free TS (its column), a prescribed value, the value of a bracket (its slot).
    Operand Free(int column, const std::string& unarySign);
    Operand Const(int code, const std::string& unarySign);
    Operand Slot(int slot, const std::string& unarySign);

    void Load(const Operand& operand);
    void Bin(const std::string& sign, const Operand& operand);
    void SetTotal();
    void Join(const std::string& sign);
    // A segment begins before the segments of its brackets and ends with its own value.
    void BeginSegment();
    void EndSegment(int slot);
    void Fail();

    TSProgram Build();

private:
    struct Pending {
        enum class Kind : std::uint8_t { Column, Constant, Slot } kind;
        int index;
    };

    Operand Place(Pending pending, const std::string& unarySign);
    std::uint8_t UnarySign(const std::string& sign);
    std::uint8_t BinarySign(const std::string& sign);
    void AddCode(int code);
    bool CloseDomain();
    void FillTables();
    void ResolvePlaces();

    UnaryLookup unaryLookup_;
    BinaryLookup binaryLookup_;
    std::vector<int> digitCodes_;
    std::vector<std::string> unarySigns_, binarySigns_;
    std::vector<int> constCodes_;
    std::vector<Pending> pending_;  // what each operand's place stands for, by place number
    std::vector<int> unaryResults_, binaryResults_;  // lookups made, in dense numbering
    std::vector<int> open_;                          // first instructions of open segments
    TSProgram program_;
};

// The first row (1-based, in row order) among rows 1..rows whose evaluation fails or gives the
// dense value `target` (-1: no value matches); 0 when there is none. Row r spells r - 1 in
// base Base() with column 0 the lowest digit.
std::int64_t FirstDecisiveRow(const TSProgram& program, std::int64_t rows, int target);
// The value (dense number or kFail) of row `row`.
std::uint8_t ValueOfRow(const TSProgram& program, std::int64_t row);
// The same as FirstDecisiveRow over all Base()^Columns() rows. A line in which a free TS occurs
// more than once is decided on its decision diagram (ts_diagram.h); otherwise, and where the
// diagram grows too large, every block of rows is skipped whose value sets show that none of
// them can fail or give the target. Value sets are exact for a line in which every free TS
// occurs once; free TS that occur more often are tried value by value inside the bound, as
// long as that stays cheap.
std::int64_t FirstDecisiveRowPruned(const TSProgram& program, int target);

}  // namespace vx::ts
