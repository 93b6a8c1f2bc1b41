#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "support/ts_workload.h"
#include "ts2br/ts_diagram.h"
#include "ts_fixture.h"

// The compiled search (by table size, row by row, pruned, on the decision diagram) and the
// count of every matching row against independent computations: the walk over the layers,
// and enumerating every row in order, on random logics and lines drawn with a fixed seed.
namespace vx {
namespace {

using Search = TAnals2BR::RowSearch;
using ts_workload::Evaluation;

struct Batch {
    std::vector<std::string> lines;
    std::map<std::string, int> targets;
};

struct Observed {
    ts_workload::LogicRun run;
    std::vector<std::string> messages;
};

struct Tally {
    int matches = 0, inconsistent = 0, failures = 0;
    int determined = 0, underdetermined = 0;
    int firstRowFails = 0, noDecisiveRow = 0, splitCounts = 0;

    void Add(const ts_workload::LogicRun& run) {
        for (const std::string& line : run.lines) {
            matches += line.find(", MATCHES") != std::string::npos ? 1 : 0;
            inconsistent += line.find(", INCONSISTENT") != std::string::npos ? 1 : 0;
        }
        for (const std::string& result : run.results) {
            failures += result.rfind("line ", 0) == 0 ? 1 : 0;
        }
    }
};

using AfterLine = std::function<void(TAnals2BR&, int line, int target)>;

Observed RunLines(const LogicModel& logic, const Batch& batch, Evaluation evaluation, Search search,
                  const AfterLine& afterLine = {}) {
    test::AnalsFixture f(logic);
    f.anals.Search = search;
    f.anals.AllMatches = static_cast<bool>(afterLine);
    auto run = ts_workload::RunDefWW(f.anals, batch.lines, batch.targets, evaluation,
                                     [&](int line, int target) {
                                         if (afterLine) {
                                             const std::size_t before = f.ui.Messages.size();
                                             afterLine(f.anals, line, target);
                                             f.ui.Messages.resize(before);  // of walked rows
                                         }
                                     });
    return {run, f.ui.Messages};
}

void ExpectSameOutcome(const Observed& actual, const Observed& reference) {
    EXPECT_EQ(actual.run.lines, reference.run.lines);
    EXPECT_EQ(actual.run.results, reference.run.results);
    EXPECT_EQ(actual.messages, reference.messages);
}

std::uint64_t CountByEveryRow(const ts::TSProgram& program, int target) {
    std::uint64_t matches = 0;
    const auto rows = static_cast<std::int64_t>(std::pow(program.Base(), program.Columns()));
    for (std::int64_t row = 1; row <= rows; ++row) {
        matches += ts::ValueOfRow(program, row) == target ? 1 : 0;
    }
    return matches;
}

// The diagram's first decisive row and count, and the count split into parts past a small
// node budget, against enumerating every row of the compiled line.
void ExpectDiagramAgreesWithEveryRow(TAnals2BR& anals, int line, int code, Tally& tally) {
    ts::TSProgram program;
    if (!anals.CompiledLine(line, program) || program.Columns() == 0) {
        return;
    }
    const int target = program.IndexOfCode(code);
    const auto rows = static_cast<std::int64_t>(std::pow(program.Base(), program.Columns()));
    const std::int64_t first = ts::FirstDecisiveRow(program, rows, target);
    EXPECT_EQ(ts::FirstDecisiveRowByDiagram(program, target), first);
    EXPECT_EQ(ts::FirstDecisiveRowPruned(program, target), first);
    tally.noDecisiveRow += first == 0 ? 1 : 0;
    tally.firstRowFails += first != 0 && ts::ValueOfRow(program, first) == ts::kFail ? 1 : 0;
    const std::uint64_t count = CountByEveryRow(program, target);
    EXPECT_EQ(ts::CountMatchingRowsByDiagram(program, target), count);
    EXPECT_EQ(ts::CountMatchingRows(program, target, 24), count);
    tally.splitCounts += ts::CountMatchingRowsByDiagram(program, target, 24) ? 0 : 1;
}

// With AllMatches a MATCHES verdict keeps its first assignment and gains the number of rows
// that walking every row finds (1 for a prescribed 40 under Simple40); every other line,
// result and message stays as it was.
void ExpectCountsOfEveryRow(const LogicModel& logic, const Batch& batch, Tally& tally,
                            bool checkDiagram) {
    const Observed plain = RunLines(logic, batch, Evaluation::Compiled, Search::ByTableSize);
    std::map<int, std::uint64_t> walked;  // by result-list line
    const Observed counted = RunLines(
        logic, batch, Evaluation::Compiled, Search::ByTableSize,
        [&](TAnals2BR& anals, int line, int target) {
            if (checkDiagram) {
                ExpectDiagramAgreesWithEveryRow(anals, line, target, tally);
            }
            if (target < 0) {
                return;  // no target: a failing row would count as a match
            }
            const std::uint64_t rows =
                ts_workload::CountMatchesByWalkingEveryRow(anals, line, target);
            EXPECT_EQ(ts_workload::CountMatchesByScanningEveryRow(anals, line, target), rows);
            walked[anals.ResultLineOf(line)] = anals.LineLists.Flag40 ? 1 : rows;
        });
    ASSERT_EQ(counted.run.results, plain.run.results);
    EXPECT_EQ(counted.messages, plain.messages);
    for (std::size_t i = 0; i < batch.lines.size(); ++i) {
        const std::string& line = plain.run.lines[i];
        if (line.find(", MATCHES") == std::string::npos) {
            EXPECT_EQ(counted.run.lines[i], line);
            continue;
        }
        const std::uint64_t rows = walked[static_cast<int>(i) + 1];
        EXPECT_EQ(counted.run.lines[i], line + ", matches: " + std::to_string(rows) +
                                            (rows == 1 ? ", determined" : ", underdetermined"));
        ++(rows == 1 ? tally.determined : tally.underdetermined);
    }
}

// Distinct TS per line such that walking every row stays short: at most about 2000 rows.
int DistinctFor(std::mt19937& rng, const LogicModel& logic) {
    const int values = std::max(2, static_cast<int>(logic.WWType.Valence));
    const int most = std::max(1, static_cast<int>(std::log(2000.0) / std::log(values)));
    return std::uniform_int_distribution<int>(1, std::min(most, 8))(rng);
}

// Twenty lines; their targets are the logic's codes, 40, and now and then none (-1).
Batch RandomBatch(std::mt19937& rng, const LogicModel& logic) {
    Batch batch;
    const int valence = logic.WWType.Valence;
    for (int i = 1; i <= 20; ++i) {
        ts_workload::LineOptions options;
        options.distinctTS = DistinctFor(rng, logic);
        const std::string se = "S7E" + std::to_string(i);
        batch.lines.push_back(se + ":" + ts_workload::RandomTSPart(rng, logic, options));
        const int pick = std::uniform_int_distribution<int>(0, valence + 1)(rng);
        batch.targets[se] =
            pick < valence ? logic.WWType.ValueCode[pick + 1] : (pick == valence ? 40 : -1);
    }
    return batch;
}

TEST(Property, EverySearchAndCountAgreesWithTheWalkOnRandomLines) {
    std::mt19937 rng(20260607);
    Tally tally;
    for (int l = 0; l < 150 && !HasFatalFailure(); ++l) {
        const LogicModel logic = ts_workload::RandomLogic(rng, l % 3 == 0);
        const Batch batch = RandomBatch(rng, logic);
        const Observed walk = RunLines(logic, batch, Evaluation::Walk, Search::ByTableSize);
        for (Search search : {Search::ByTableSize, Search::AllPruned}) {
            ExpectSameOutcome(RunLines(logic, batch, Evaluation::Compiled, search), walk);
        }
        ExpectCountsOfEveryRow(logic, batch, tally, true);
        tally.Add(walk.run);
    }
    // Every kind of outcome is exercised.
    EXPECT_GT(tally.matches, 500);
    EXPECT_GT(tally.inconsistent, 600);
    EXPECT_GT(tally.failures, 200);
    EXPECT_GT(tally.determined, 300);
    EXPECT_GT(tally.underdetermined, 400);
    EXPECT_GT(tally.firstRowFails, 200);
    EXPECT_GT(tally.noDecisiveRow, 600);
    EXPECT_GT(tally.splitCounts, 200);
}

// 3^10, 4^8 or 5^7 rows: beyond the 20000 rows of the table, where the pruned search must
// still find the row that enumerating every row in order finds first, and the count must be
// that of every row.
TEST(Property, LinesBeyondTheTableAreDecidedAndCountedAsEveryRow) {
    std::mt19937 rng(4711);
    std::vector<LogicModel> logics{
        test::DemoLogic(), ts_workload::MakeLogic(ts_workload::RankedLogic({10, 20, 30, 50})),
        ts_workload::MakeLogic(ts_workload::RankedLogic({10, 20, 30, 50, 60})),
        ts_workload::CyclicLogic(5)};
    while (logics.size() < 8) {
        LogicModel logic = ts_workload::RandomLogic(rng, true);
        if (logic.WWType.Valence >= 4) {
            logics.push_back(std::move(logic));
        }
    }
    Tally tally;
    for (const LogicModel& logic : logics) {
        int values = logic.WWType.Valence;  // 40 is not enumerated
        for (int p = 1; p <= logic.WWType.Valence; ++p) {
            values -= logic.WWType.ValueCode[p] == 40 ? 1 : 0;
        }
        Batch batch;
        for (int i = 1; i <= 12; ++i) {
            ts_workload::LineOptions options;
            options.distinctTS = values == 5 ? 7 : (values == 4 ? 8 : 10);
            options.maxOperands = 5;
            options.prescribedPercent = 0;
            options.useAll = true;
            const std::string se = "S9E" + std::to_string(i);
            batch.lines.push_back(se + ":" + ts_workload::RandomTSPart(rng, logic, options));
            // Every third target is no value at all: only a failing row could stop the search.
            batch.targets[se] =
                i % 3 == 0 ? 95 : logic.WWType.ValueCode[1 + i % logic.WWType.Valence];
        }
        const Observed pruned = RunLines(logic, batch, Evaluation::Compiled, Search::ByTableSize);
        ExpectSameOutcome(pruned,
                          RunLines(logic, batch, Evaluation::Compiled, Search::AllRowByRow));
        tally.Add(pruned.run);
        if (&logic - logics.data() < 4) {  // walking every row of four lines takes long enough
            Batch four{{batch.lines.begin(), batch.lines.begin() + 4}, batch.targets};
            ExpectCountsOfEveryRow(logic, four, tally, false);
        }
    }
    EXPECT_GT(tally.matches, 15);
    EXPECT_GT(tally.inconsistent, 10);
    EXPECT_GT(tally.failures, 5);
    EXPECT_GT(tally.underdetermined, 8);
}

// A line that meets more codes than the compiled form can number is the golden folder
// analysis/evaluation/more_codes_than_the_compiled_form_numbers.

// A diagram that outgrows its budget gives up; the search and the count then go on without.
TEST(Property, TheDiagramGivesUpBeyondItsBudget) {
    ts::TSProgramBuilder builder([](const std::string&, int a) { return a; },
                                 [](const std::string&, int a, int b) { return a == b ? 10 : 20; },
                                 {10, 20, 30}, 6);
    builder.Load(builder.Free(0, ""));
    for (int c = 1; c < 6; ++c) {
        builder.Bin("x", builder.Free(c, ""));
    }
    builder.SetTotal();
    builder.EndSegment(-1);
    const ts::TSProgram program = builder.Build();
    const int target = program.IndexOfCode(30);
    EXPECT_EQ(ts::FirstDecisiveRowByDiagram(program, target, 2), std::nullopt);
    EXPECT_EQ(ts::FirstDecisiveRowByDiagram(program, target),
              ts::FirstDecisiveRow(program, 729, target));
    EXPECT_EQ(ts::CountMatchingRowsByDiagram(program, target, 2), std::nullopt);
    EXPECT_EQ(ts::CountMatchingRows(program, target, 2), CountByEveryRow(program, target));
}

// Lines whose TS occur several times in chains that no value-set bound can cut: the search on
// the line's decision diagram against enumerating every row, and against what the lines are
// built to give.
std::string HardVerdict(const LogicModel& logic, const ts_workload::HardLine& line, Search search) {
    const std::string resultLine = "S3E1:" + line.part;
    const Observed observed =
        RunLines(logic, {{resultLine}, {{"S3E1", line.target}}}, Evaluation::Compiled, search);
    return observed.run.lines[0].substr(resultLine.size());
}

// What a hard chain line is built to give: with a match, every TS at the target.
void ExpectBuiltVerdict(const std::string& verdict, const ts_workload::HardLine& line, int freeTS,
                        bool match) {
    const std::string target = std::to_string(line.target);
    if (!match) {
        EXPECT_EQ(verdict, ", INCONSISTENT with SE-Target: " + target) << line.part;
        return;
    }
    const std::string head = ", MATCHES with SE-Target: " + target + " with:";
    ASSERT_EQ(verdict.substr(0, head.size()), head) << line.part;
    for (int k = 1; k <= freeTS; ++k) {
        EXPECT_NE(verdict.find("TS" + std::to_string(k) + "=" + target + " "), std::string::npos)
            << verdict;
    }
    EXPECT_EQ(std::count(verdict.begin(), verdict.end(), '='), freeTS) << verdict;
}

TEST(Property, HardLinesDiagramSearchAgreesWithEveryRowAndWithTheConstruction) {
    std::mt19937 rng(1612);
    for (int valence : {4, 5}) {
        const LogicModel logic = ts_workload::CyclicLogic(valence);
        for (int freeTS = 5; freeTS <= 8; ++freeTS) {
            for (bool match : {false, true}) {
                const ts_workload::HardLine line =
                    ts_workload::HardChainLine(rng, valence, freeTS, match);
                const std::string pruned = HardVerdict(logic, line, Search::AllPruned);
                EXPECT_EQ(pruned, HardVerdict(logic, line, Search::AllRowByRow)) << line.part;
                ExpectBuiltVerdict(pruned, line, freeTS, match);
            }
        }
    }
}

// Beyond what enumerating every row can check in a test: twelve free TS at valence 5 (244
// million rows) are decided as the lines are built.
TEST(Property, HardLinesTwelveFreeTSAtValenceFiveAreDecidedAsBuilt) {
    std::mt19937 rng(2026);
    const LogicModel logic = ts_workload::CyclicLogic(5);
    for (int freeTS : {10, 12}) {
        for (bool match : {false, true}) {
            const ts_workload::HardLine line = ts_workload::HardChainLine(rng, 5, freeTS, match);
            ExpectBuiltVerdict(HardVerdict(logic, line, Search::ByTableSize), line, freeTS, match);
        }
    }
}

}  // namespace
}  // namespace vx
