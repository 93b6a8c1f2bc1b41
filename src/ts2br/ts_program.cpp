#include "ts2br/ts_program.h"

#include "ts2br/ts_diagram.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>

namespace vx::ts {
namespace {

constexpr std::uint64_t Bit(int index) {
    return std::uint64_t{1} << index;
}

// Blocks of at most this many rows are evaluated row by row: bounding them costs about as
// much as evaluating them.
constexpr std::int64_t kConcreteBlock = 32;
// At most this many value combinations of repeated free TS are tried within one bound.
constexpr std::int64_t kRepeatedCombinations = 25;
// A segment whose free columns allow at most this many combinations gets an exact value set.
constexpr std::int64_t kExactCombinations = 125;

template <typename Visit>
void ForEachBit(std::uint64_t set, Visit visit) {
    while (set != 0) {
        visit(std::countr_zero(set));
        set &= set - 1;
    }
}

}  // namespace

int TSProgram::IndexOfCode(int code) const {
    const auto at = std::find(codes_.begin(), codes_.end(), code);
    return at == codes_.end() ? -1 : static_cast<int>(at - codes_.begin());
}

std::vector<std::uint8_t> TSProgram::NewValues() const {
    std::vector<std::uint8_t> values(static_cast<std::size_t>(Places()), zero_);
    std::copy(constants_.begin(), constants_.end(), values.begin() + columns_);
    return values;
}

std::vector<std::uint64_t> TSProgram::NewValueSets() const {
    std::vector<std::uint64_t> values(static_cast<std::size_t>(Places()), 0);
    for (std::size_t k = 0; k < constants_.size(); ++k) {
        values[static_cast<std::size_t>(columns_) + k] = Bit(constants_[k]);
    }
    return values;
}

std::uint8_t TSProgram::EvaluateRange(std::uint8_t* values, int first, int last) const {
    std::uint8_t total = zero_;
    std::uint8_t right = zero_;
    std::uint8_t result = kFail;
    const Instruction* const end = code_.data() + last + 1;
    for (const Instruction* at = code_.data() + first; at != end; ++at) {
        const Instruction& step = *at;
        switch (step.code) {
            case Instruction::Code::Load:
                right = Unary(step.operand, values[step.operand.place]);
                if (right == kFail) {
                    return kFail;
                }
                break;
            case Instruction::Code::Bin: {
                const std::uint8_t left = Unary(step.operand, values[step.operand.place]);
                if (left == kFail || left == zero_ || right == zero_) {
                    return kFail;
                }
                right = Binary(step.binary, left, right);
                if (right == kFail) {
                    return kFail;
                }
                break;
            }
            case Instruction::Code::SetTotal:
                total = right;
                break;
            case Instruction::Code::Join:
                if (total == zero_) {
                    total = right;
                } else {
                    total = Binary(step.binary, total, right);
                    if (total == kFail) {
                        return kFail;
                    }
                }
                break;
            case Instruction::Code::EndSegment:
                if (step.slot >= 0) {
                    values[step.slot] = total;
                }
                if (total == zero_) {
                    return kFail;
                }
                result = total;
                total = zero_;
                break;
            case Instruction::Code::Fail:
                return kFail;
        }
    }
    return result;
}

std::uint64_t TSProgram::UnarySet(const Operand& operand, std::uint64_t values,
                                  bool& mayFail) const {
    if (operand.unary == 0) {
        return values;
    }
    std::uint64_t results = 0;
    ForEachBit(values, [&](int v) {
        const std::uint8_t r = Unary(operand, static_cast<std::uint8_t>(v));
        if (r == kFail) {
            mayFail = true;
        } else {
            results |= Bit(r);
        }
    });
    return results;
}

std::uint64_t TSProgram::BinarySet(int sign, std::uint64_t left, std::uint64_t right,
                                   bool& mayFail) const {
    std::uint64_t results = 0;
    ForEachBit(left, [&](int l) {
        ForEachBit(right, [&](int r) {
            const std::uint8_t value =
                Binary(sign, static_cast<std::uint8_t>(l), static_cast<std::uint8_t>(r));
            if (value == kFail) {
                mayFail = true;
            } else {
                results |= Bit(value);
            }
        });
    });
    return results;
}

// The widest segment beginning at instruction `at` whose columns allow at most
// kExactCombinations combinations, or -1.
int TSProgram::ExactSegmentAt(int at, const std::uint64_t* values) const {
    for (int index : segmentsAt_[static_cast<std::size_t>(at)]) {
        std::int64_t combinations = 1;
        ForEachBit(segments_[static_cast<std::size_t>(index)].support, [&](int c) {
            combinations *= std::popcount(values[c]);
            combinations = std::min<std::int64_t>(combinations, kExactCombinations + 1);
        });
        if (combinations <= kExactCombinations) {
            return index;
        }
    }
    return -1;
}

std::uint64_t TSProgram::ExactSet(const Segment& segment, const std::uint64_t* values,
                                  std::uint8_t* scratch, bool& mayFail) const {
    std::array<int, kMaxColumns> columns{};
    std::array<std::uint64_t, kMaxColumns> rest{};
    int count = 0;
    bool empty = false;
    ForEachBit(segment.support, [&](int c) {
        const std::uint64_t set = values[c];
        empty = empty || set == 0;
        scratch[c] = static_cast<std::uint8_t>(std::countr_zero(set | (std::uint64_t{1} << 63)));
        if (std::popcount(set) > 1) {
            columns[static_cast<std::size_t>(count++)] = c;
        }
    });
    if (empty) {
        return 0;
    }
    // Walks through every combination of the free columns' values, lowest column fastest.
    for (int i = 0; i < count; ++i) {
        rest[static_cast<std::size_t>(i)] = values[columns[static_cast<std::size_t>(i)]];
    }
    std::uint64_t results = 0;
    while (true) {
        const std::uint8_t value = EvaluateRange(scratch, segment.first, segment.last);
        if (value == kFail) {
            mayFail = true;
        } else {
            results |= Bit(value);
        }
        int i = 0;
        for (; i < count; ++i) {
            const auto at = static_cast<std::size_t>(i);
            const int column = columns[at];
            rest[at] &= rest[at] - 1;
            if (rest[at] != 0) {
                scratch[column] = static_cast<std::uint8_t>(std::countr_zero(rest[at]));
                break;
            }
            rest[at] = values[column];
            scratch[column] = static_cast<std::uint8_t>(std::countr_zero(rest[at]));
        }
        if (i == count) {
            return results;
        }
    }
}

ValueSet TSProgram::EvaluateSets(std::uint64_t* values, std::uint8_t* scratch) const {
    const std::uint64_t zero = Bit(zero_);
    ValueSet out;
    std::uint64_t total = zero;
    std::uint64_t right = 0;
    for (int i = 0; i < static_cast<int>(code_.size()); ++i) {
        if (scratch != nullptr) {
            if (const int index = ExactSegmentAt(i, values); index >= 0) {
                const Segment& segment = segments_[static_cast<std::size_t>(index)];
                const std::uint64_t set = ExactSet(segment, values, scratch, out.mayFail);
                if (segment.slot >= 0) {
                    values[segment.slot] = set;
                }
                out.values = set;
                total = zero;
                i = segment.last;
                continue;
            }
        }
        const Instruction& step = code_[static_cast<std::size_t>(i)];
        switch (step.code) {
            case Instruction::Code::Load:
                right = UnarySet(step.operand, values[step.operand.place], out.mayFail);
                break;
            case Instruction::Code::Bin: {
                const std::uint64_t left =
                    UnarySet(step.operand, values[step.operand.place], out.mayFail);
                if (((left | right) & zero) != 0) {
                    out.mayFail = true;
                }
                right = BinarySet(step.binary, left & ~zero, right & ~zero, out.mayFail);
                break;
            }
            case Instruction::Code::SetTotal:
                total = right;
                break;
            case Instruction::Code::Join: {
                const std::uint64_t whenZero = (total & zero) != 0 ? right : 0;
                total = whenZero | BinarySet(step.binary, total & ~zero, right, out.mayFail);
                break;
            }
            case Instruction::Code::EndSegment:
                if ((total & zero) != 0) {
                    out.mayFail = true;
                }
                if (step.slot >= 0) {
                    values[step.slot] = total & ~zero;
                }
                out.values = total & ~zero;
                total = zero;
                break;
            case Instruction::Code::Fail:
                out.mayFail = true;
                return out;
        }
    }
    return out;
}

TSProgramBuilder::TSProgramBuilder(UnaryLookup unary, BinaryLookup binary,
                                   std::vector<int> digitCodes, int columns)
    : unaryLookup_(std::move(unary)),
      binaryLookup_(std::move(binary)),
      digitCodes_(std::move(digitCodes)) {
    program_.columns_ = columns;
}

std::uint8_t TSProgramBuilder::UnarySign(const std::string& sign) {
    if (sign.empty()) {
        return 0;
    }
    auto at = std::find(unarySigns_.begin(), unarySigns_.end(), sign);
    if (at == unarySigns_.end()) {
        at = unarySigns_.insert(unarySigns_.end(), sign);
    }
    return static_cast<std::uint8_t>(at - unarySigns_.begin() + 1);
}

std::uint8_t TSProgramBuilder::BinarySign(const std::string& sign) {
    auto at = std::find(binarySigns_.begin(), binarySigns_.end(), sign);
    if (at == binarySigns_.end()) {
        at = binarySigns_.insert(binarySigns_.end(), sign);
    }
    return static_cast<std::uint8_t>(at - binarySigns_.begin());
}

// Until Build the place of an operand is the number of its pending entry.
Operand TSProgramBuilder::Place(Pending pending, const std::string& unarySign) {
    pending_.push_back(pending);
    return {static_cast<std::uint16_t>(pending_.size() - 1), UnarySign(unarySign)};
}

Operand TSProgramBuilder::Free(int column, const std::string& unarySign) {
    return Place({Pending::Kind::Column, column}, unarySign);
}

Operand TSProgramBuilder::Const(int code, const std::string& unarySign) {
    constCodes_.push_back(code);
    return Place({Pending::Kind::Constant, static_cast<int>(constCodes_.size()) - 1}, unarySign);
}

Operand TSProgramBuilder::Slot(int slot, const std::string& unarySign) {
    program_.slotCount_ = std::max(program_.slotCount_, slot + 1);
    return Place({Pending::Kind::Slot, slot}, unarySign);
}

void TSProgramBuilder::Load(const Operand& operand) {
    program_.code_.push_back({Instruction::Code::Load, operand, 0, -1});
}

void TSProgramBuilder::Bin(const std::string& sign, const Operand& operand) {
    program_.code_.push_back({Instruction::Code::Bin, operand, BinarySign(sign), -1});
}

void TSProgramBuilder::SetTotal() {
    program_.code_.push_back({Instruction::Code::SetTotal, {}, 0, -1});
}

void TSProgramBuilder::Join(const std::string& sign) {
    program_.code_.push_back({Instruction::Code::Join, {}, BinarySign(sign), -1});
}

void TSProgramBuilder::BeginSegment() {
    open_.push_back(static_cast<int>(program_.code_.size()));
}

void TSProgramBuilder::EndSegment(int slot) {
    program_.code_.push_back(
        {Instruction::Code::EndSegment, {}, 0, static_cast<std::int16_t>(slot)});
    program_.slotCount_ = std::max(program_.slotCount_, slot + 1);
    const int first = open_.empty() ? 0 : open_.back();
    if (!open_.empty()) {
        open_.pop_back();
    }
    program_.segments_.push_back(
        {first, static_cast<int>(program_.code_.size()) - 1, 0, static_cast<std::int16_t>(slot)});
}

void TSProgramBuilder::Fail() {
    program_.code_.push_back({Instruction::Code::Fail, {}, 0, -1});
}

void TSProgramBuilder::AddCode(int code) {
    auto& codes = program_.codes_;
    if (std::find(codes.begin(), codes.end(), code) == codes.end()) {
        codes.push_back(code);
    }
}

// Adds every result the signs of the line give on codes already known, until nothing new
// appears; false when more than kMaxDomain codes are reachable. Every lookup is made once and
// kept for the tables.
bool TSProgramBuilder::CloseDomain() {
    auto& codes = program_.codes_;
    unaryResults_.assign(unarySigns_.size() * kMaxDomain, -1);
    binaryResults_.assign(binarySigns_.size() * kMaxDomain * kMaxDomain, -1);
    std::size_t known = 0;
    while (known < codes.size()) {
        const std::size_t before = codes.size();
        if (before > static_cast<std::size_t>(kMaxDomain)) {
            return false;
        }
        for (std::size_t s = 0; s < unarySigns_.size(); ++s) {
            for (std::size_t a = known; a < before; ++a) {
                const int r = unaryLookup_(unarySigns_[s], codes[a]);
                unaryResults_[s * kMaxDomain + a] = r;
                if (r >= 0) {
                    AddCode(r);
                }
            }
        }
        for (std::size_t s = 0; s < binarySigns_.size(); ++s) {
            for (std::size_t a = 0; a < before; ++a) {
                for (std::size_t b = (a < known ? known : 0); b < before; ++b) {
                    const int r = binaryLookup_(binarySigns_[s], codes[a], codes[b]);
                    binaryResults_[(s << 12) | (a << 6) | b] = r;
                    if (r >= 0) {
                        AddCode(r);
                    }
                }
            }
        }
        known = before;
    }
    return codes.size() <= static_cast<std::size_t>(kMaxDomain);
}

void TSProgramBuilder::FillTables() {
    auto& p = program_;
    const auto dense = [&](int code) {
        return code < 0 ? kFail : static_cast<std::uint8_t>(p.IndexOfCode(code));
    };
    p.unary_.assign((unarySigns_.size() + 1) * kMaxDomain, kFail);
    for (std::size_t a = 0; a < p.codes_.size(); ++a) {
        p.unary_[a] = static_cast<std::uint8_t>(a);
        for (std::size_t s = 0; s < unarySigns_.size(); ++s) {
            p.unary_[(s + 1) * kMaxDomain + a] = dense(unaryResults_[s * kMaxDomain + a]);
        }
    }
    p.binary_.assign(binarySigns_.size() * kMaxDomain * kMaxDomain, kFail);
    for (std::size_t s = 0; s < binarySigns_.size(); ++s) {
        for (std::size_t l = 0; l < p.codes_.size(); ++l) {
            for (std::size_t r = 0; r < p.codes_.size(); ++r) {
                const std::size_t at = (s << 12) | (l << 6) | r;
                p.binary_[at] = dense(binaryResults_[at]);
            }
        }
    }
}

// Columns come first in the value array, then the constants, then the brackets' values.
void TSProgramBuilder::ResolvePlaces() {
    auto& p = program_;
    const int constants = static_cast<int>(constCodes_.size());
    const auto place = [&](const Pending& pending) {
        switch (pending.kind) {
            case Pending::Kind::Column:
                return pending.index;
            case Pending::Kind::Constant:
                return p.columns_ + pending.index;
            case Pending::Kind::Slot:
                break;
        }
        return p.columns_ + constants + pending.index;
    };
    std::vector<int> uses(static_cast<std::size_t>(p.columns_));
    for (Instruction& step : p.code_) {
        if (step.code == Instruction::Code::Load || step.code == Instruction::Code::Bin) {
            const Pending& pending = pending_[step.operand.place];
            step.operand.place = static_cast<std::uint16_t>(place(pending));
            if (pending.kind == Pending::Kind::Column) {
                ++uses[static_cast<std::size_t>(pending.index)];
            }
        } else if (step.code == Instruction::Code::EndSegment && step.slot >= 0) {
            step.slot = static_cast<std::int16_t>(place({Pending::Kind::Slot, step.slot}));
        }
    }
    for (int code : constCodes_) {
        p.constants_.push_back(static_cast<std::uint8_t>(p.IndexOfCode(code)));
    }
    p.segmentsAt_.assign(p.code_.size(), {});
    for (std::size_t index = 0; index < p.segments_.size(); ++index) {
        Segment& segment = p.segments_[index];
        if (segment.slot >= 0) {
            segment.slot = static_cast<std::int16_t>(place({Pending::Kind::Slot, segment.slot}));
        }
        for (int i = segment.first; i <= segment.last; ++i) {
            const Instruction& step = p.code_[static_cast<std::size_t>(i)];
            const bool reads =
                step.code == Instruction::Code::Load || step.code == Instruction::Code::Bin;
            if (reads && step.operand.place < p.columns_) {
                segment.support |= static_cast<std::uint16_t>(1u << step.operand.place);
            }
        }
        p.segmentsAt_[static_cast<std::size_t>(segment.first)].push_back(static_cast<int>(index));
    }
    for (auto& starting : p.segmentsAt_) {
        std::sort(starting.begin(), starting.end(), [&](int a, int b) {
            return p.segments_[static_cast<std::size_t>(a)].last >
                   p.segments_[static_cast<std::size_t>(b)].last;
        });
    }
    p.repeated_.resize(static_cast<std::size_t>(p.columns_));
    for (std::size_t c = 0; c < uses.size(); ++c) {
        p.repeated_[c] = uses[c] > 1;
    }
}

TSProgram TSProgramBuilder::Build() {
    auto& p = program_;
    AddCode(0);
    for (int code : digitCodes_) {
        AddCode(code);
    }
    for (int code : constCodes_) {
        AddCode(code);
    }
    p.valid_ = CloseDomain();
    if (!p.valid_) {
        return std::move(p);
    }
    p.zero_ = static_cast<std::uint8_t>(p.IndexOfCode(0));
    for (int code : digitCodes_) {
        p.digitValue_.push_back(static_cast<std::uint8_t>(p.IndexOfCode(code)));
    }
    ResolvePlaces();
    FillTables();
    return std::move(p);
}

namespace {

// Counts the columns of a row in base `base`, column 0 the lowest digit, writing the dense
// value of each digit into the value array.
class Odometer {
public:
    Odometer(const TSProgram& program, std::uint8_t* values, int columns)
        : program_(program), values_(values), columns_(columns) {
        for (int c = 0; c < columns_; ++c) {
            values_[c] = program_.DigitValue(0);
        }
    }
    void Next() {
        for (int c = 0; c < columns_; ++c) {
            if (++digits_[static_cast<std::size_t>(c)] < program_.Base()) {
                values_[c] = program_.DigitValue(digits_[static_cast<std::size_t>(c)]);
                return;
            }
            digits_[static_cast<std::size_t>(c)] = 0;
            values_[c] = program_.DigitValue(0);
        }
    }

private:
    const TSProgram& program_;
    std::uint8_t* values_;
    int columns_;
    std::array<int, kMaxColumns> digits_{};
};

}  // namespace

std::int64_t FirstDecisiveRow(const TSProgram& program, std::int64_t rows, int target) {
    std::vector<std::uint8_t> values = program.NewValues();
    Odometer odometer(program, values.data(), program.Columns());
    for (std::int64_t row = 1; row <= rows; ++row) {
        const std::uint8_t value = program.Evaluate(values.data());
        if (value == kFail || value == target) {
            return row;
        }
        odometer.Next();
    }
    return 0;
}

std::uint8_t ValueOfRow(const TSProgram& program, std::int64_t row) {
    std::vector<std::uint8_t> values = program.NewValues();
    std::int64_t rest = row - 1;
    for (int c = 0; c < program.Columns(); ++c) {
        values[static_cast<std::size_t>(c)] =
            program.DigitValue(static_cast<int>(rest % program.Base()));
        rest /= program.Base();
    }
    return program.Evaluate(values.data());
}

namespace {

// Depth-first over the columns from the highest (the most significant digit of the row
// number) down, so that blocks are visited in row order.
class PrunedSearch {
public:
    PrunedSearch(const TSProgram& program, int target)
        : program_(program),
          target_(target),
          base_(program.Base()),
          columns_(program.Columns()),
          values_(program.NewValues()),
          scratch_(program.NewValues()),
          sets_(program.NewValueSets()) {
        for (int d = 0; d < base_; ++d) {
            all_ |= Bit(program.DigitValue(d));
        }
        weight_[0] = 1;
        for (int c = 1; c <= columns_; ++c) {
            weight_[static_cast<std::size_t>(c)] = weight_[static_cast<std::size_t>(c - 1)] * base_;
        }
        for (int c = 0; c < columns_; ++c) {
            sets_[static_cast<std::size_t>(c)] = all_;
        }
    }

    std::int64_t Run() {
        if (columns_ == 0) {
            return ScanLow(0, 0);
        }
        return MayDecide(columns_) ? Search(columns_ - 1, 0) : 0;
    }

private:
    // Whether a row of the block given by the fixed columns (those at and above `lowest`) may
    // fail or give the target. The free repeated TS are tried value by value, as many as the
    // budget allows; the bound stays sound for those left free.
    bool MayDecide(int lowest) {
        std::array<int, kMaxColumns> repeated{};
        int count = 0;
        std::int64_t combinations = 1;
        for (int c = 0; c < lowest && combinations * base_ <= kRepeatedCombinations; ++c) {
            if (program_.Repeated(c)) {
                repeated[static_cast<std::size_t>(count++)] = c;
                combinations *= base_;
            }
        }
        return MayDecideTrying(repeated.data(), count);
    }

    bool MayDecideTrying(const int* repeated, int count) {
        if (count == 0) {
            const ValueSet set = program_.EvaluateSets(sets_.data(), scratch_.data());
            return set.mayFail ||
                   (target_ >= 0 && target_ < kMaxDomain && (set.values & Bit(target_)) != 0);
        }
        const auto column = static_cast<std::size_t>(repeated[0]);
        bool may = false;
        for (int d = 0; d < base_ && !may; ++d) {
            sets_[column] = Bit(program_.DigitValue(d));
            may = MayDecideTrying(repeated + 1, count - 1);
        }
        sets_[column] = all_;
        return may;
    }

    // Columns above `column` are fixed; `first` is the number of rows before this block.
    std::int64_t Search(int column, std::int64_t first) {
        const auto at = static_cast<std::size_t>(column);
        for (int d = 0; d < base_; ++d) {
            values_[at] = program_.DigitValue(d);
            sets_[at] = Bit(values_[at]);
            const std::int64_t start = first + d * weight_[at];
            std::int64_t row = 0;
            if (weight_[at] <= kConcreteBlock) {
                row = ScanLow(column, start);
            } else if (MayDecide(column)) {
                row = Search(column - 1, start);
            }
            if (row != 0) {
                return row;
            }
        }
        sets_[at] = all_;
        return 0;
    }

    // Evaluates the rows of a block one by one: columns below `low` vary, the rest are fixed.
    std::int64_t ScanLow(int low, std::int64_t first) {
        Odometer odometer(program_, values_.data(), low);
        for (std::int64_t i = 0; i < weight_[static_cast<std::size_t>(low)]; ++i) {
            const std::uint8_t value = program_.Evaluate(values_.data());
            if (value == kFail || value == target_) {
                return first + i + 1;
            }
            odometer.Next();
        }
        return 0;
    }

    const TSProgram& program_;
    const int target_;
    const int base_;
    const int columns_;
    std::uint64_t all_ = 0;
    std::array<std::int64_t, kMaxColumns + 1> weight_{};
    std::vector<std::uint8_t> values_;
    std::vector<std::uint8_t> scratch_;
    std::vector<std::uint64_t> sets_;
};

}  // namespace

std::int64_t FirstDecisiveRowPruned(const TSProgram& program, int target) {
    bool repeated = false;
    for (int c = 0; c < program.Columns(); ++c) {
        repeated = repeated || program.Repeated(c);
    }
    if (repeated) {
        if (const std::optional<std::int64_t> row = FirstDecisiveRowByDiagram(program, target)) {
            return *row;
        }
    }
    return PrunedSearch(program, target).Run();
}

}  // namespace vx::ts
