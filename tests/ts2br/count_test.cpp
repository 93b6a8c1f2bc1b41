#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "support/ts_workload.h"
#include "ts_fixture.h"

// Counting every matching assignment of a line against walking every one of its rows, on
// random logics and lines drawn with a fixed seed; and what the count leaves of the verdict.
namespace vx {
namespace {

struct Tally {
    int determined = 0;
    int underdetermined = 0;
    int others = 0;
};

std::string MatchCount(std::uint64_t rows) {
    return ", matches: " + std::to_string(rows) +
           (rows == 1 ? ", determined" : ", underdetermined");
}

// Runs the lines with and without AllMatches: a MATCHES verdict keeps its first assignment and
// gains the number of rows that walking every row finds (1 for a prescribed 40 under
// Simple40); every other verdict, and every message, stays as it was.
void ExpectCountsOfEveryRow(const LogicModel& logic, const std::vector<std::string>& lines,
                            const std::map<std::string, int>& targets, Tally& tally) {
    test::AnalsFixture plain(logic);
    const ts_workload::LogicRun without =
        ts_workload::RunDefWW(plain.anals, lines, targets, ts_workload::Evaluation::Compiled);

    test::AnalsFixture counting(logic);
    counting.anals.AllMatches = true;
    std::map<int, std::uint64_t> walked;  // by result-list line
    const ts_workload::LogicRun with = ts_workload::RunDefWW(
        counting.anals, lines, targets, ts_workload::Evaluation::Compiled,
        [&](int line, int target) {
            const std::size_t before = counting.ui.Messages.size();
            const std::uint64_t rows =
                ts_workload::CountMatchesByWalkingEveryRow(counting.anals, line, target);
            counting.ui.Messages.resize(before);  // those of the walk's failing rows
            // The scan that the benchmark takes for its reference counts as the walk does.
            EXPECT_EQ(ts_workload::CountMatchesByScanningEveryRow(counting.anals, line, target),
                      rows);
            walked[counting.anals.ResultLineOf(line)] = counting.anals.LineLists.Flag40 ? 1 : rows;
        });
    ASSERT_EQ(with.results, without.results);
    EXPECT_EQ(counting.ui.Messages, plain.ui.Messages);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = without.lines[i];
        if (line.find(", MATCHES") == std::string::npos) {
            EXPECT_EQ(with.lines[i], line);
            ++tally.others;
            continue;
        }
        const std::uint64_t rows = walked[static_cast<int>(i) + 1];
        EXPECT_EQ(with.lines[i], line + MatchCount(rows));
        ++(rows == 1 ? tally.determined : tally.underdetermined);
    }
}

// Up to eight distinct TS, as many as keep the walk over every row short.
int DistinctFor(std::mt19937& rng, const LogicModel& logic) {
    const int values = std::max(2, static_cast<int>(logic.WWType.Valence));
    const int most = std::max(1, static_cast<int>(std::log(7000.0) / std::log(values)));
    return std::uniform_int_distribution<int>(1, std::min(most, 8))(rng);
}

TEST(AllMatches, TheCountOfEveryRandomLineIsThatOfEveryRow) {
    std::mt19937 rng(170303);
    Tally tally;
    for (int l = 0; l < 60; ++l) {
        const LogicModel logic = ts_workload::RandomLogic(rng, l % 4 == 0);
        std::vector<std::string> lines;
        std::map<std::string, int> targets;
        for (int i = 1; i <= 10; ++i) {
            ts_workload::LineOptions options;
            options.distinctTS = DistinctFor(rng, logic);
            options.prescribedPercent = 10;
            const std::string se = "S5E" + std::to_string(i);
            lines.push_back(se + ":" + ts_workload::RandomTSPart(rng, logic, options));
            const int pick = std::uniform_int_distribution<int>(0, logic.WWType.Valence)(rng);
            targets[se] = pick < logic.WWType.Valence ? logic.WWType.ValueCode[pick + 1] : 40;
        }
        ExpectCountsOfEveryRow(logic, lines, targets, tally);
        if (HasFatalFailure()) {
            return;
        }
    }
    EXPECT_GT(tally.determined, 30);
    EXPECT_GT(tally.underdetermined, 150);
    EXPECT_GT(tally.others, 50);
}

// 3^10, 4^8 or 5^7 rows: past the table, where the first match is found by the pruned search.
TEST(AllMatches, LinesBeyondTheTableCountAsEveryRow) {
    std::mt19937 rng(1717);
    std::vector<LogicModel> logics{
        test::DemoLogic(), ts_workload::MakeLogic(ts_workload::RankedLogic({10, 20, 30, 50})),
        ts_workload::MakeLogic(ts_workload::RankedLogic({10, 20, 30, 50, 60})),
        ts_workload::CyclicLogic(5)};
    Tally tally;
    for (const LogicModel& logic : logics) {
        int values = logic.WWType.Valence;
        for (int p = 1; p <= logic.WWType.Valence; ++p) {
            values -= logic.WWType.ValueCode[p] == 40 ? 1 : 0;
        }
        std::vector<std::string> lines;
        std::map<std::string, int> targets;
        for (int i = 1; i <= 4; ++i) {
            ts_workload::LineOptions options;
            options.distinctTS = values == 5 ? 7 : (values == 4 ? 8 : 10);
            options.maxOperands = 5;
            options.prescribedPercent = 0;
            options.useAll = true;
            const std::string se = "S6E" + std::to_string(i);
            lines.push_back(se + ":" + ts_workload::RandomTSPart(rng, logic, options));
            targets[se] = logic.WWType.ValueCode[1 + i % values];
        }
        ExpectCountsOfEveryRow(logic, lines, targets, tally);
    }
    EXPECT_GT(tally.underdetermined, 8);
}

}  // namespace
}  // namespace vx
