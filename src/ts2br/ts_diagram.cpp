#include "ts2br/ts_diagram.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <vector>

namespace vx::ts {

// Leaves are the ids 0 .. kMaxDomain - 1 (dense values) and kFailLeaf; inner nodes follow.
// A node at level c branches on the digit of column c; its children lie at lower levels.
class ValueDiagram {
public:
    using Id = std::uint32_t;
    static constexpr Id kFailLeaf = kMaxDomain;
    static constexpr Id kFirstInner = kMaxDomain + 1;

    // Columns from `free` up keep the digits `fixed` holds for them: the diagram is that of
    // the block of rows they give.
    ValueDiagram(const TSProgram& program, std::size_t budget, int free = kMaxColumns,
                 const int* fixed = nullptr)
        : program_(program),
          base_(program.Base()),
          budget_(budget),
          free_(std::min(free, program.Columns())),
          fixed_(fixed) {
        table_.assign(1024, kEmpty);
    }

    // The diagram of the line's value, with every row that fails anywhere leading to
    // kFailLeaf; empty when the diagram outgrows the budget.
    std::optional<Id> Build() {
        try {
            return Run();
        } catch (const OverBudget&) {
            return std::nullopt;
        }
    }

    std::int64_t FirstDecisiveRow(Id root, int target) {
        reaches_.assign(levels_.size() + kFirstInner, kUnknown);
        target_ = target;
        if (!Reaches(root)) {
            return 0;
        }
        std::int64_t row = 0;
        Id at = root;
        while (at >= kFirstInner) {
            const int level = Level(at);
            for (int d = 0; d < base_; ++d) {
                const Id child = Child(at, d);
                if (Reaches(child)) {
                    row += d * Weight(level);
                    at = child;
                    break;
                }
            }
        }
        return row + 1;
    }

    std::uint64_t MatchingRows(Id root, int target) {
        counts_.assign(levels_.size(), kNotCounted);
        target_ = target;
        return Matching(root) * Skipped(free_, Level(root));
    }

private:
    struct OverBudget {};
    static constexpr std::uint64_t kNotCounted = ~std::uint64_t{0};
    static constexpr Id kEmpty = 0;  // a leaf, never an entry of the unique table
    static constexpr std::int8_t kUnknown = -1;

    // What a step does with the leaves it meets, numbered for the memo of Apply.
    enum Kind : std::uint64_t { kUnary = 1, kBin, kJoin, kEnd, kGuard, kFinal };

    bool IsLeaf(Id id) const { return id < kFirstInner; }
    int Level(Id id) const { return IsLeaf(id) ? -1 : levels_[id - kFirstInner]; }
    Id Child(Id id, int digit) const {
        return children_[(id - kFirstInner) * static_cast<std::size_t>(base_) +
                         static_cast<std::size_t>(digit)];
    }
    std::int64_t Weight(int level) const {
        std::int64_t weight = 1;
        for (int c = 0; c < level; ++c) {
            weight *= base_;
        }
        return weight;
    }

    Id Run() {
        const TSProgram& p = program_;
        const Id zero = p.zero_;
        std::vector<Id> places(static_cast<std::size_t>(p.Places()), zero);
        for (int c = 0; c < p.Columns(); ++c) {
            places[static_cast<std::size_t>(c)] =
                c < free_ ? Column(c) : Id{p.DigitValue(fixed_[c])};
        }
        for (std::size_t k = 0; k < p.constants_.size(); ++k) {
            places[static_cast<std::size_t>(p.Columns()) + k] = p.constants_[k];
        }
        // A row fails as soon as any of its steps fails; `guard` keeps that for the values
        // the steps overwrite.
        Id right = zero, total = zero, result = kFailLeaf, guard = zero;
        bool ended = false;  // a segment has ended: `result` holds its value
        for (const Instruction& step : p.code_) {
            switch (step.code) {
                case Instruction::Code::Load:
                    guard = Guard(guard, right);
                    right = Unary(step.operand.unary, places[step.operand.place]);
                    break;
                case Instruction::Code::Bin:
                    right = Apply(Op(kBin, step.binary),
                                  Unary(step.operand.unary, places[step.operand.place]), right,
                                  [&](Id l, Id r) { return BinLeaf(step.binary, l, r); });
                    break;
                case Instruction::Code::SetTotal:
                    guard = Guard(guard, total);
                    total = right;
                    break;
                case Instruction::Code::Join:
                    total = Apply(Op(kJoin, step.binary), total, right, [&](Id t, Id r) {
                        if (t == kFailLeaf || r == kFailLeaf) {
                            return kFailLeaf;
                        }
                        return t == p.zero_ ? r : Leaf(p.Binary(step.binary, Byte(t), Byte(r)));
                    });
                    break;
                case Instruction::Code::EndSegment: {
                    if (ended) {
                        guard = Guard(guard, result);
                    }
                    ended = true;
                    result = Apply(Op(kEnd, 0), total, total,
                                   [&](Id t, Id) { return t == p.zero_ ? kFailLeaf : t; });
                    if (step.slot >= 0) {
                        places[static_cast<std::size_t>(step.slot)] = result;
                    }
                    total = zero;
                    break;
                }
                case Instruction::Code::Fail:
                    return kFailLeaf;
            }
        }
        guard = Guard(Guard(guard, right), total);
        return Apply(Op(kFinal, 0), guard, result,
                     [](Id g, Id r) { return g == kFailLeaf ? kFailLeaf : r; });
    }

    static std::uint64_t Op(Kind kind, std::uint64_t sign) { return (kind << 8) | sign; }
    static std::uint8_t Byte(Id leaf) { return static_cast<std::uint8_t>(leaf); }
    static Id Leaf(std::uint8_t value) { return value == kFail ? kFailLeaf : Id{value}; }

    Id BinLeaf(int sign, Id left, Id right) const {
        const Id zero = program_.zero_;
        if (left == kFailLeaf || right == kFailLeaf || left == zero || right == zero) {
            return kFailLeaf;
        }
        return Leaf(program_.Binary(sign, Byte(left), Byte(right)));
    }

    Id Unary(std::uint8_t sign, Id a) {
        if (sign == 0) {
            return a;
        }
        const Operand operand{0, sign};
        return Apply(Op(kUnary, sign), a, a, [&](Id v, Id) {
            return v == kFailLeaf ? kFailLeaf : Leaf(program_.Unary(operand, Byte(v)));
        });
    }

    // kFailLeaf where either fails, a fixed leaf elsewhere.
    Id Guard(Id guard, Id value) {
        const Id ok = program_.zero_;
        return Apply(Op(kGuard, 0), guard, value, [ok](Id g, Id v) {
            return g == kFailLeaf || v == kFailLeaf ? kFailLeaf : ok;
        });
    }

    Id Column(int column) {
        std::vector<Id> digits;
        for (int d = 0; d < base_; ++d) {
            digits.push_back(program_.DigitValue(d));
        }
        return Node(column, digits.data());
    }

    // Combines two diagrams leaf by leaf; a unary step passes its operand twice.
    template <typename LeafFunction>
    Id Apply(std::uint64_t op, Id a, Id b, const LeafFunction& leaf) {
        if (IsLeaf(a) && IsLeaf(b)) {
            return leaf(a, b);
        }
        const std::uint64_t key = (op << 52) | (std::uint64_t{a} << 26) | b;
        if (const auto known = memo_.find(key); known != memo_.end()) {
            return known->second;
        }
        const int level = std::max(Level(a), Level(b));
        std::vector<Id> children(static_cast<std::size_t>(base_));
        for (int d = 0; d < base_; ++d) {
            const Id childA = Level(a) == level ? Child(a, d) : a;
            const Id childB = Level(b) == level ? Child(b, d) : b;
            children[static_cast<std::size_t>(d)] = Apply(op, childA, childB, leaf);
        }
        const Id id = Node(level, children.data());
        memo_.emplace(key, id);
        return id;
    }

    // The node of `level` with these children, shared with an equal one made before.
    Id Node(int level, const Id* children) {
        if (std::all_of(children, children + base_, [&](Id c) { return c == children[0]; })) {
            return children[0];
        }
        const std::size_t mask = table_.size() - 1;
        for (std::size_t at = Hash(level, children) & mask;; at = (at + 1) & mask) {
            const Id entry = table_[at];
            if (entry == kEmpty) {
                return Insert(level, children, at);
            }
            if (Level(entry) == level &&
                std::equal(children, children + base_, &children_[Offset(entry)])) {
                return entry;
            }
        }
    }

    Id Insert(int level, const Id* children, std::size_t at) {
        if (levels_.size() >= budget_) {
            throw OverBudget{};
        }
        const Id id = static_cast<Id>(levels_.size() + kFirstInner);
        levels_.push_back(static_cast<std::int8_t>(level));
        children_.insert(children_.end(), children, children + base_);
        table_[at] = id;
        if (levels_.size() * 2 > table_.size()) {
            Rehash();
        }
        return id;
    }

    std::size_t Offset(Id id) const { return (id - kFirstInner) * static_cast<std::size_t>(base_); }

    std::size_t Hash(int level, const Id* children) const {
        std::uint64_t h = static_cast<std::uint64_t>(level) * 0x9E3779B97F4A7C15ull;
        for (int d = 0; d < base_; ++d) {
            h = (h ^ children[d]) * 0xFF51AFD7ED558CCDull;
            h ^= h >> 29;
        }
        return static_cast<std::size_t>(h);
    }

    void Rehash() {
        std::vector<Id> old(table_.size() * 2, kEmpty);
        old.swap(table_);
        const std::size_t mask = table_.size() - 1;
        for (Id entry : old) {
            if (entry == kEmpty) {
                continue;
            }
            std::size_t at = Hash(Level(entry), &children_[Offset(entry)]) & mask;
            while (table_[at] != kEmpty) {
                at = (at + 1) & mask;
            }
            table_[at] = entry;
        }
    }

    bool Decisive(Id leaf) const {
        return leaf == kFailLeaf || (target_ >= 0 && target_ < kMaxDomain && leaf == Id(target_));
    }

    bool Reaches(Id id) {
        if (IsLeaf(id)) {
            return Decisive(id);
        }
        std::int8_t& known = reaches_[id];
        if (known == kUnknown) {
            bool any = false;
            for (int d = 0; d < base_ && !any; ++d) {
                any = Reaches(Child(id, d));
            }
            known = any ? 1 : 0;
        }
        return known == 1;
    }

    // Rows below `id`'s level that lead to it and give the target, per path into it.
    std::uint64_t Matching(Id id) {
        if (IsLeaf(id)) {
            return target_ >= 0 && id == Id(target_) ? 1 : 0;
        }
        std::uint64_t& known = counts_[id - kFirstInner];
        if (known == kNotCounted) {
            const int level = Level(id);
            std::uint64_t sum = 0;
            for (int d = 0; d < base_; ++d) {
                const Id child = Child(id, d);
                sum += Matching(child) * Skipped(level, Level(child));
            }
            known = sum;
        }
        return known;
    }

    // The rows an edge from `above` down to a node of `below` stands for: every value of
    // the levels in between.
    std::uint64_t Skipped(int above, int below) const {
        return static_cast<std::uint64_t>(Weight(above - 1 - below));
    }

    const TSProgram& program_;
    const int base_;
    const std::size_t budget_;
    const int free_;
    const int* fixed_;
    int target_ = -1;
    std::vector<std::int8_t> levels_;  // of the inner nodes
    std::vector<Id> children_;         // base_ per inner node
    std::vector<Id> table_;            // open addressing over the inner nodes
    std::unordered_map<std::uint64_t, Id> memo_;
    std::vector<std::int8_t> reaches_;
    std::vector<std::uint64_t> counts_;  // of the inner nodes
};

std::optional<std::int64_t> FirstDecisiveRowByDiagram(const TSProgram& program, int target,
                                                      std::size_t nodeBudget) {
    ValueDiagram diagram(program, nodeBudget);
    const std::optional<ValueDiagram::Id> root = diagram.Build();
    if (!root) {
        return std::nullopt;
    }
    return diagram.FirstDecisiveRow(*root, target);
}

namespace {

std::optional<std::uint64_t> CountInBlock(const TSProgram& program, int target, int free,
                                          const int* fixed, std::size_t budget) {
    ValueDiagram diagram(program, budget, free, fixed);
    const std::optional<ValueDiagram::Id> root = diagram.Build();
    if (!root) {
        return std::nullopt;
    }
    return diagram.MatchingRows(*root, target);
}

// Past the budget the block is split by its highest free column, each part on its own
// diagram: a part has fewer levels, and its diagram is smaller.
std::uint64_t CountSplitting(const TSProgram& program, int target, int free,
                             std::array<int, kMaxColumns>& fixed, std::size_t budget) {
    if (const auto rows = CountInBlock(program, target, free, fixed.data(), budget)) {
        return *rows;
    }
    std::uint64_t rows = 0;
    for (int d = 0; d < program.Base(); ++d) {
        fixed[static_cast<std::size_t>(free - 1)] = d;
        rows += CountSplitting(program, target, free - 1, fixed, budget);
    }
    return rows;
}

}  // namespace

std::optional<std::uint64_t> CountMatchingRowsByDiagram(const TSProgram& program, int target,
                                                        std::size_t nodeBudget) {
    return CountInBlock(program, target, program.Columns(), nullptr, nodeBudget);
}

std::uint64_t CountMatchingRows(const TSProgram& program, int target, std::size_t nodeBudget) {
    std::array<int, kMaxColumns> fixed{};
    return CountSplitting(program, target, program.Columns(), fixed, nodeBudget);
}

}  // namespace vx::ts
