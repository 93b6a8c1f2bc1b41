#include <gtest/gtest.h>

#include <cmath>

#include "support/ts_workload.h"
#include "ts_fixture.h"

// The compiled search (row by row and pruned) against the walk over the layers, on random
// logics and lines drawn with a fixed seed.
namespace vx {
namespace {

using Search = TAnals2BR::RowSearch;

struct Tally {
    int lines = 0;
    int matches = 0;
    int inconsistent = 0;
    int failures = 0;
};

struct Observed {
    ts_workload::LogicRun run;
    std::vector<std::string> messages;
};

Observed RunWith(const LogicModel& logic, const std::vector<std::string>& lines,
                 const std::map<std::string, int>& targets, ts_workload::Evaluation evaluation,
                 Search search) {
    test::AnalsFixture f(logic);
    f.anals.Search = search;
    Observed observed{ts_workload::RunDefWW(f.anals, lines, targets, evaluation), f.ui.Messages};
    return observed;
}

// Distinct TS per line such that the walk stays short: at most about 600 rows.
int DistinctFor(std::mt19937& rng, const LogicModel& logic) {
    const int values = std::max(2, static_cast<int>(logic.WWType.Valence));
    const int most = std::max(1, static_cast<int>(std::log(600.0) / std::log(values)));
    return std::uniform_int_distribution<int>(1, std::min(most, 8))(rng);
}

void CheckBatch(std::mt19937& rng, const LogicModel& logic, int count, Tally& tally) {
    std::vector<std::string> lines;
    std::map<std::string, int> targets;
    for (int i = 1; i <= count; ++i) {
        ts_workload::LineOptions options;
        options.distinctTS = DistinctFor(rng, logic);
        const std::string se = "S7E" + std::to_string(i);
        lines.push_back(se + ":" + ts_workload::RandomTSPart(rng, logic, options));
        const int pick = std::uniform_int_distribution<int>(0, logic.WWType.Valence + 1)(rng);
        targets[se] = pick < logic.WWType.Valence ? logic.WWType.ValueCode[pick + 1]
                                                  : (pick == logic.WWType.Valence ? 40 : -1);
    }
    const Observed walk =
        RunWith(logic, lines, targets, ts_workload::Evaluation::Walk, Search::ByTableSize);
    for (Search search : {Search::ByTableSize, Search::AllPruned}) {
        const Observed compiled =
            RunWith(logic, lines, targets, ts_workload::Evaluation::Compiled, search);
        ASSERT_EQ(compiled.run.lines, walk.run.lines);
        ASSERT_EQ(compiled.run.results, walk.run.results);
        ASSERT_EQ(compiled.messages, walk.messages);
    }
    for (const std::string& line : walk.run.lines) {
        ++tally.lines;
        if (line.find(", MATCHES") != std::string::npos) {
            ++tally.matches;
        } else if (line.find(", INCONSISTENT") != std::string::npos) {
            ++tally.inconsistent;
        }
    }
    for (const std::string& result : walk.run.results) {
        tally.failures += result.rfind("line ", 0) == 0 ? 1 : 0;
    }
}

TEST(Property, CompiledAndPrunedSearchesGiveTheVerdictsOfTheWalk) {
    std::mt19937 rng(20260607);
    Tally tally;
    for (int logic = 0; logic < 150; ++logic) {
        const LogicModel model = ts_workload::RandomLogic(rng, logic % 3 == 0);
        CheckBatch(rng, model, 20, tally);
        if (HasFatalFailure()) {
            return;
        }
    }
    EXPECT_EQ(tally.lines, 3000);
    // Every kind of outcome is exercised.
    EXPECT_GT(tally.matches, 500);
    EXPECT_GT(tally.inconsistent, 300);
    EXPECT_GT(tally.failures, 50);
}

// Beyond the table the pruned search must still find the row that enumerating every row in
// order finds first.
TEST(Property, PrunedSearchFindsTheFirstRowBeyondTheTable) {
    std::mt19937 rng(4711);
    std::vector<LogicModel> logics{
        test::DemoLogic(), ts_workload::MakeLogic(ts_workload::RankedLogic({10, 20, 30, 50})),
        ts_workload::MakeLogic(ts_workload::RankedLogic({10, 20, 30, 50, 60}))};
    while (logics.size() < 8) {
        LogicModel logic = ts_workload::RandomLogic(rng, true);
        if (logic.WWType.Valence >= 4) {
            logics.push_back(std::move(logic));
        }
    }
    Tally tally;
    for (const LogicModel& logic : logics) {
        std::vector<std::string> lines;
        std::map<std::string, int> targets;
        // 3^10, 4^8 or 5^7 rows: beyond the 20000 rows of the table. 40 is not enumerated.
        int values = logic.WWType.Valence;
        for (int p = 1; p <= logic.WWType.Valence; ++p) {
            values -= logic.WWType.ValueCode[p] == 40 ? 1 : 0;
        }
        for (int i = 1; i <= 12; ++i) {
            ts_workload::LineOptions options;
            options.distinctTS = values == 5 ? 7 : (values == 4 ? 8 : 10);
            options.maxOperands = 5;
            options.prescribedPercent = 0;
            options.useAll = true;
            const std::string se = "S9E" + std::to_string(i);
            lines.push_back(se + ":" + ts_workload::RandomTSPart(rng, logic, options));
            // Every third target is no value at all: only a failing row could stop the search.
            targets[se] = i % 3 == 0 ? 95 : logic.WWType.ValueCode[1 + i % logic.WWType.Valence];
        }
        const Observed pruned =
            RunWith(logic, lines, targets, ts_workload::Evaluation::Compiled, Search::ByTableSize);
        const Observed rowByRow =
            RunWith(logic, lines, targets, ts_workload::Evaluation::Compiled, Search::AllRowByRow);
        EXPECT_EQ(pruned.run.lines, rowByRow.run.lines);
        EXPECT_EQ(pruned.run.results, rowByRow.run.results);
        EXPECT_EQ(pruned.messages, rowByRow.messages);
        for (const std::string& line : pruned.run.lines) {
            tally.matches += line.find(", MATCHES") != std::string::npos ? 1 : 0;
            tally.inconsistent += line.find(", INCONSISTENT") != std::string::npos ? 1 : 0;
        }
        for (const std::string& result : pruned.run.results) {
            tally.failures += result.rfind("line ", 0) == 0 ? 1 : 0;
        }
    }
    EXPECT_GT(tally.matches, 20);
    EXPECT_GT(tally.inconsistent, 10);
    EXPECT_GT(tally.failures, 5);
}

// A line whose tables lead to more codes than the compiled form can number is walked.
TEST(Property, LinesMeetingManyCodesAreWalked) {
    const LogicModel logic =
        ts_workload::MakeLogic({{1, 2, 3, 4, 5},
                                {{"~", [](int a) { return a; }}},
                                {{"u", [](int a, int b) { return 100 + 10 * a + b; }},
                                 {"o", [](int a, int b) { return 200 + 10 * a + b; }},
                                 {"=>", [](int a, int b) { return 300 + 10 * a + b; }}}});
    const std::vector<std::string> lines{"S1E1:TS1uTS2oTS3=>TS4", "S1E2:(TS1uTS2)o(TS3uTS4)"};
    const std::map<std::string, int> targets{{"S1E1", 312}, {"S1E2", 999}};
    const Observed walk =
        RunWith(logic, lines, targets, ts_workload::Evaluation::Walk, Search::ByTableSize);
    const Observed compiled =
        RunWith(logic, lines, targets, ts_workload::Evaluation::Compiled, Search::ByTableSize);
    EXPECT_EQ(compiled.run.lines, walk.run.lines);
    EXPECT_EQ(compiled.run.results, walk.run.results);
    EXPECT_EQ(compiled.messages, walk.messages);
}

}  // namespace
}  // namespace vx
