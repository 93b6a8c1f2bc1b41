#include <gtest/gtest.h>

#include "support/ts_workload.h"
#include "ts_fixture.h"

namespace vx {
namespace {

using ts_workload::Evaluation;

struct Outcome {
    std::vector<std::string> lines;
    std::vector<std::string> results;
    std::vector<std::string> messages;
};

// Runs the lines with the compiled search and with the walk over the layers; both must agree
// in every line, result and message.
Outcome RunBoth(const LogicModel& logic, const std::vector<std::string>& lines,
                const std::map<std::string, int>& targets,
                TAnals2BR::RowSearch search = TAnals2BR::RowSearch::ByTableSize) {
    test::AnalsFixture compiled(logic);
    compiled.anals.Search = search;
    const ts_workload::LogicRun run =
        ts_workload::RunDefWW(compiled.anals, lines, targets, Evaluation::Compiled);
    test::AnalsFixture walked(logic);
    const ts_workload::LogicRun reference =
        ts_workload::RunDefWW(walked.anals, lines, targets, Evaluation::Walk);
    EXPECT_EQ(run.lines, reference.lines);
    EXPECT_EQ(run.results, reference.results);
    EXPECT_EQ(compiled.ui.Messages, walked.ui.Messages);
    return {run.lines, run.results, compiled.ui.Messages};
}

std::string Verdict(const LogicModel& logic, const std::string& line, int target) {
    const Outcome outcome = RunBoth(logic, {line}, {{line.substr(0, line.find(':')), target}});
    return outcome.lines[0].substr(line.size());
}

// How a smaller OpIndex groups a line, and a line of one distinct TS from left to right, are
// the golden folder analysis/precedence/by_op_index.

// A logic whose tables hold 0 and a code it does not have (99), so that evaluations fail.
LogicModel Holes() {
    return ts_workload::MakeLogic(
        {{10, 20},
         {{"~", [](int a) { return a == 10 ? 0 : 10; }}},
         {{"u",
           [](int a, int b) { return a == 20 && b == 20 ? 0 : (a == 10 && b == 20 ? 99 : a); }},
          {"o", [](int a, int) { return a; }}}});
}

TEST(Evaluation, EveryFailureReportsAndLeavesTheLineWithoutVerdict) {
    const std::string noTotal =
        "Error ResultUNit on returning EvalPartTS func: No evaluation as Total-Result have to be "
        "> 0. Evaluation of Cell failed Nr: ";
    const std::pair<std::string, std::string> rows[] = {
        {"S1E1:~TS1uTS2[10]",
         "Error in computing binary relation on: Cell or TS - Order Nr: 1One or both params "
         "have no legal TS value. "},
        {"S1E1:TS1[99]uTS2",
         "Error in Anal2BR computing binary relation on: Cell or TS - Order Nr: 1"},
        {"S1E1:~TS1[99]",
         "Error in 2BRAnal.ResolveUnLogop func: in resolving UnLogop of TS:Layer0TS Nr. 1"},
        {"S1E1:TS3o~(TS1[10]uTS2[20])",
         "Error in 2BRAnal.ResolveUnLogop func: in resolving UnLogop on Cell value:Layer0Cell Nr. "
         "2"},
        {"S1E1:TS1[20]uTS2oTS3[99]",
         "Error in Anal2BR computing binary relation between a Temp Results on: Cell or TS - "
         "Order Nr: 3"},
        {"S1E1:(TS1[20]uTS2[20])oTS3", noTotal + "2On Layer: IntToStr(i)"},
        // Row 1 (TS1 = 10) gives 20, row 2 fails.
        {"S1E1:TS2[20]uTS1", noTotal + "1On Layer: IntToStr(i)"}};
    for (const auto& [line, message] : rows) {
        const Outcome outcome = RunBoth(Holes(), {line}, {{"S1E1", 10}});
        EXPECT_EQ(outcome.messages, std::vector<std::string>{message}) << line;
        EXPECT_EQ(outcome.results.back(), "line 1=Error compting part of TS: S1E1Cell:") << line;
        EXPECT_EQ(outcome.lines[0], line);
    }
    // Rows before a failing row are tried first.
    EXPECT_EQ(Verdict(Holes(), "S1E1:TS2[20]uTS1", 20),
              ", MATCHES with SE-Target: 20 with:TS1=10 ");
}

TEST(Evaluation, TheCombinationTable) {
    const LogicModel demo = test::DemoLogic();
    test::AnalsFixture f(demo);
    ASSERT_EQ(f.anals.AnalyzeLogics("DefWW"), "OK");
    ASSERT_EQ(f.anals.IniAllComputeTS_2BRStructs(), "OK");
    const TCombinationTable& table = f.anals.CombTable;
    // Row r spells r - 1 in base 3, column 1 the lowest digit.
    EXPECT_EQ(table.RowCount, 19683);
    EXPECT_EQ(table.ColCount, 9);
    EXPECT_EQ(table.Cell(3, 1), 30);
    EXPECT_EQ(table.Cell(4, 1), 10);
    EXPECT_EQ(table.Cell(4, 2), 20);
    EXPECT_EQ(table.Cell(19683, 9), 30);
    EXPECT_EQ(f.anals.Compute_Needed_Combinations(3, 9), 19683);
    EXPECT_EQ(f.anals.Compute_Needed_Combinations(5, 14), 0);
    EXPECT_EQ(f.ui.Messages,
              (std::vector<std::string>{
                  "Fehler bei der Combinations-Analyse in Anal2BR.Compute_Needed_Combinations: "
                  "Wert groesser als Integer. \r\rErr in combination analysis in "
                  "Anal2BR.Compute_Needed_Combinations: value is bigger than int"}));
    // With a single value there is no table: its one value is used.
    const LogicModel single = ts_workload::MakeLogic(ts_workload::RankedLogic({30, 40}));
    const Outcome outcome = RunBoth(single, {"S1E1:TS1uTS2"}, {{"S1E1", 30}});
    EXPECT_EQ(outcome.lines[0], "S1E1:TS1uTS2, MATCHES with SE-Target: 30 with:TS1=30 TS2=30 ");
    // Without any value to enumerate a free TS has none: the line cannot be evaluated.
    const LogicModel none = ts_workload::MakeLogic(ts_workload::RankedLogic({30}));
    const Outcome failed = RunBoth(none, {"S1E1:TS1"}, {{"S1E1", 30}});
    EXPECT_EQ(failed.results.back(), "line 1=Error compting part of TS: S1E1Cell:");
    EXPECT_EQ(failed.messages.size(), 2u);  // the valence warning, then the zero total
}

}  // namespace
}  // namespace vx
