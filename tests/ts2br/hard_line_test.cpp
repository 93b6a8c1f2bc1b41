#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "support/ts_workload.h"
#include "ts_fixture.h"

// Lines whose TS occur several times in chains that no value-set bound can cut: the search on
// the line's decision diagram against enumerating every row, and against what the lines are
// built to give.
namespace vx {
namespace {

using Search = TAnals2BR::RowSearch;

std::string Verdict(const LogicModel& logic, const ts_workload::HardLine& line, Search search) {
    test::AnalsFixture f(logic);
    f.anals.Search = search;
    const std::string resultLine = "S3E1:" + line.part;
    const ts_workload::LogicRun run = ts_workload::RunDefWW(
        f.anals, {resultLine}, {{"S3E1", line.target}}, ts_workload::Evaluation::Compiled);
    return run.lines[0].substr(resultLine.size());
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

TEST(HardLines, DiagramSearchAgreesWithEveryRowAndWithTheConstruction) {
    std::mt19937 rng(1612);
    for (int valence : {4, 5}) {
        const LogicModel logic = ts_workload::CyclicLogic(valence);
        for (int freeTS = 5; freeTS <= 8; ++freeTS) {
            for (bool match : {false, true}) {
                const ts_workload::HardLine line =
                    ts_workload::HardChainLine(rng, valence, freeTS, match);
                const std::string pruned = Verdict(logic, line, Search::AllPruned);
                EXPECT_EQ(pruned, Verdict(logic, line, Search::AllRowByRow)) << line.part;
                ExpectBuiltVerdict(pruned, line, freeTS, match);
            }
        }
    }
}

// Beyond what enumerating every row can check in a test: twelve free TS at valence 5 (244
// million rows) are decided as the lines are built.
TEST(HardLines, TwelveFreeTSAtValenceFiveAreDecidedAsBuilt) {
    std::mt19937 rng(2026);
    const LogicModel logic = ts_workload::CyclicLogic(5);
    for (int freeTS : {10, 12}) {
        for (bool match : {false, true}) {
            const ts_workload::HardLine line = ts_workload::HardChainLine(rng, 5, freeTS, match);
            ExpectBuiltVerdict(Verdict(logic, line, Search::ByTableSize), line, freeTS, match);
        }
    }
}

}  // namespace
}  // namespace vx
