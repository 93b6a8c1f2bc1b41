#include <gtest/gtest.h>

#include <map>
#include <random>

#include "ts2br/ts_diagram.h"
#include "ts2br/ts_program.h"

// The decision diagram of a compiled line against enumerating every row in order, on random
// programs over random tables in which lookups may fail or give 0.
namespace vx::ts {
namespace {

int Pick(std::mt19937& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

struct RandomTables {
    std::vector<int> codes;
    std::map<std::pair<std::string, int>, int> unary;
    std::map<std::tuple<std::string, int, int>, int> binary;

    int Result(std::mt19937& rng) {
        const int pick = Pick(rng, 0, 19);
        return pick == 0 ? -1 : (pick == 1 ? 0 : codes[static_cast<std::size_t>(Pick(rng, 0, 3))]);
    }
};

// Emits one segment the way the line compiler does: the brackets' segments first, then groups
// of a load and binary steps, the first group setting the total and the others joining it.
class ProgramMaker {
public:
    ProgramMaker(std::mt19937& rng, TSProgramBuilder& builder, int columns)
        : rng_(rng), builder_(builder), columns_(columns) {}

    void Segment(int depth, int slot) {
        if (slot >= 0) {
            builder_.BeginSegment();
        }
        std::vector<int> brackets;
        for (int b = Pick(rng_, 0, depth < 3 ? 2 : 0); b > 0; --b) {
            brackets.push_back(nextSlot_++);
            Segment(depth + 1, brackets.back());
        }
        const int groups = Pick(rng_, 1, 3);
        for (int g = 0; g < groups; ++g) {
            builder_.Load(Operand(brackets));
            for (int k = Pick(rng_, 0, 2); k > 0; --k) {
                builder_.Bin(Binary(), Operand(brackets));
            }
            if (g == 0) {
                builder_.SetTotal();
            } else {
                builder_.Join(Binary());
            }
        }
        builder_.EndSegment(slot);
    }

private:
    std::string Unary() { return Pick(rng_, 0, 3) == 0 ? "~" : ""; }
    std::string Binary() { return Pick(rng_, 0, 1) == 0 ? "u" : "x"; }

    ts::Operand Operand(std::vector<int>& brackets) {
        if (!brackets.empty() && Pick(rng_, 0, 2) == 0) {
            const int slot = brackets.back();
            brackets.pop_back();
            return builder_.Slot(slot, Unary());
        }
        if (Pick(rng_, 0, 9) == 0) {
            return builder_.Const(10 * Pick(rng_, 1, 4), Unary());
        }
        return builder_.Free(Pick(rng_, 0, columns_ - 1), Unary());
    }

    std::mt19937& rng_;
    TSProgramBuilder& builder_;
    int columns_;
    int nextSlot_ = 0;
};

// A random program over `columns` columns whose digits stand for the first `base` of the codes
// 10, 20, 30, 40; its tables are drawn as the lookups are made. Without columns it is drawn
// but not built (its free operands would have no column).
TSProgram RandomProgram(std::mt19937& rng, int base, int columns) {
    auto tables = std::make_shared<RandomTables>();
    tables->codes = {10, 20, 30, 40};
    std::vector<int> digits(tables->codes.begin(), tables->codes.begin() + base);
    TSProgramBuilder builder(
        [tables, &rng](const std::string& sign, int a) {
            auto [at, added] = tables->unary.try_emplace({sign, a}, 0);
            if (added) {
                at->second = tables->Result(rng);
            }
            return at->second;
        },
        [tables, &rng](const std::string& sign, int a, int b) {
            auto [at, added] = tables->binary.try_emplace({sign, a, b}, 0);
            if (added) {
                at->second = tables->Result(rng);
            }
            return at->second;
        },
        digits, columns);
    ProgramMaker(rng, builder, std::max(columns, 1)).Segment(0, -1);
    return columns == 0 ? TSProgram{} : builder.Build();
}

std::int64_t RowsOf(const TSProgram& program) {
    std::int64_t rows = 1;
    for (int c = 0; c < program.Columns(); ++c) {
        rows *= program.Base();
    }
    return rows;
}

std::uint64_t CountByEveryRow(const TSProgram& program, int target) {
    std::uint64_t matches = 0;
    for (std::int64_t row = 1; row <= RowsOf(program); ++row) {
        matches += ValueOfRow(program, row) == target ? 1 : 0;
    }
    return matches;
}

TEST(Diagram, FindsTheFirstDecisiveRowOfEveryRandomProgram) {
    std::mt19937 rng(777);
    int programs = 0, decided = 0, none = 0, failing = 0;
    while (programs < 3000) {
        const int base = Pick(rng, 1, 4);
        const int columns = Pick(rng, 0, 6);
        const TSProgram program = RandomProgram(rng, base, columns);
        if (columns == 0) {
            continue;
        }
        ASSERT_TRUE(program.Valid());
        ++programs;
        const int target = program.IndexOfCode(10 * Pick(rng, 1, 4));
        const std::int64_t expected = FirstDecisiveRow(program, RowsOf(program), target);
        ASSERT_EQ(FirstDecisiveRowByDiagram(program, target), expected) << "program " << programs;
        ASSERT_EQ(FirstDecisiveRowPruned(program, target), expected) << "program " << programs;
        if (expected == 0) {
            ++none;
        } else if (ValueOfRow(program, expected) == kFail) {
            ++failing;
        } else {
            ++decided;
        }
    }
    // Every outcome is exercised.
    EXPECT_GT(decided, 300);
    EXPECT_GT(none, 300);
    EXPECT_GT(failing, 300);
}

// Counted on the diagram, and split into parts counted on their own diagrams as past the
// node budget, programs with up to eight columns, failing rows among them, give the count of
// every row.
TEST(Diagram, CountsTheMatchingRowsOfEveryRandomProgram) {
    std::mt19937 rng(1703);
    int none = 0, one = 0, many = 0, wholeBlocks = 0, split = 0;
    for (int programs = 0; programs < 2000; ++programs) {
        const int base = Pick(rng, 1, 4);
        const TSProgram program = RandomProgram(rng, base, Pick(rng, 1, base == 4 ? 7 : 8));
        ASSERT_TRUE(program.Valid());
        const int target = program.IndexOfCode(10 * Pick(rng, 1, 4));
        const std::uint64_t expected = CountByEveryRow(program, target);
        ASSERT_EQ(CountMatchingRowsByDiagram(program, target), expected) << "program " << programs;
        ASSERT_EQ(CountMatchingRows(program, target), expected) << "program " << programs;
        if (programs % 4 == 0) {
            ASSERT_EQ(CountMatchingRows(program, target, 24), expected) << "program " << programs;
            split += CountMatchingRowsByDiagram(program, target, 24) ? 0 : 1;
        }
        ++(expected == 0 ? none : (expected == 1 ? one : many));
        wholeBlocks += expected > 64 ? 1 : 0;
    }
    EXPECT_GT(none, 200);
    EXPECT_GT(one, 50);
    EXPECT_GT(many, 500);
    EXPECT_GT(wholeBlocks, 100);
    EXPECT_GT(split, 100);
}

TEST(Diagram, GivesUpWhenItOutgrowsItsBudget) {
    std::vector<int> digits{10, 20, 30};
    TSProgramBuilder builder([](const std::string&, int a) { return a; },
                             [](const std::string&, int a, int b) { return a == b ? 10 : 20; },
                             digits, 6);
    builder.Load(builder.Free(0, ""));
    for (int c = 1; c < 6; ++c) {
        builder.Bin("x", builder.Free(c, ""));
    }
    builder.SetTotal();
    builder.EndSegment(-1);
    const TSProgram program = builder.Build();
    const int target = program.IndexOfCode(30);
    EXPECT_EQ(FirstDecisiveRowByDiagram(program, target, 2), std::nullopt);
    EXPECT_EQ(FirstDecisiveRowByDiagram(program, target), FirstDecisiveRow(program, 729, target));
    EXPECT_EQ(CountMatchingRowsByDiagram(program, target, 2), std::nullopt);
    EXPECT_EQ(CountMatchingRowsByDiagram(program, target), CountByEveryRow(program, target));
}

}  // namespace
}  // namespace vx::ts
