#include <gtest/gtest.h>

#include "ts_fixture.h"
#include "ts_workload.h"

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
                TFormAnals2BR::RowSearch search = TFormAnals2BR::RowSearch::ByTableSize) {
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

// Left and right projection: which operand survives shows how a line was grouped.
LogicModel Projections() {
    return ts_workload::MakeLogic(
        {{1, 2, 3, 5},
         {{"~", [](int a) { return a; }}},
         {{"l", [](int a, int) { return a; }}, {"r", [](int, int b) { return b; }}}});
}

TEST(Evaluation, SmallerOpIndexBindsMoreTightly) {
    const LogicModel logic = Projections();
    // l (OpIndex 1) before r (OpIndex 2): (TS1 l TS2) r TS3 gives TS3.
    EXPECT_EQ(Verdict(logic, "S1E1:TS1[1]lTS2[2]rTS3[3]", 3), ", MATCHES with SE-Target: 3 with:");
    // r before l: TS1 r (TS2 l TS3) gives TS2.
    EXPECT_EQ(Verdict(logic, "S1E1:TS1[1]rTS2[2]lTS3[3]", 2), ", MATCHES with SE-Target: 2 with:");
    // (TS1 l TS2) r (TS3 l TS4) gives TS3; a chain of one sign groups to the right.
    EXPECT_EQ(Verdict(logic, "S1E1:TS1[1]lTS2[2]rTS3[3]lTS4[5]", 3),
              ", MATCHES with SE-Target: 3 with:");
    EXPECT_EQ(Verdict(logic, "S1E1:TS1[1]rTS2[2]rTS3[3]", 3), ", MATCHES with SE-Target: 3 with:");
    EXPECT_EQ(Verdict(logic, "S1E1:TS1[1]lTS2[2]lTS3[3]", 1), ", MATCHES with SE-Target: 1 with:");
    // Brackets first, siblings each on their own.
    EXPECT_EQ(Verdict(logic, "S1E1:(TS1[1]rTS2[2])l(TS3[3]lTS4[5])", 2),
              ", MATCHES with SE-Target: 2 with:");
    EXPECT_EQ(Verdict(logic, "S1E1:(TS1[1]lTS2[2])r((TS3[3]rTS4[5])lTS5[1])", 5),
              ", MATCHES with SE-Target: 5 with:");
}

TEST(Evaluation, OneDistinctTSIsEvaluatedLeftToRight) {
    const LogicModel logic = ts_workload::MakeLogic(
        {{1, 2, 3}, {}, {{"r", [](int, int b) { return b; }}, {"m", [](int a, int b) {
                                                                   return a == b ? 3 : 1;
                                                               }}}});
    // Left to right: (TS1 m TS1) r TS1 is TS1; by precedence TS1 m (TS1 r TS1) would be 3.
    EXPECT_EQ(Verdict(logic, "S1E1:TS1mTS1rTS1", 1), ", MATCHES with SE-Target: 1 with:TS1=1 ");
}

TEST(Evaluation, DemoLogicPrecedenceAndGrouping) {
    const LogicModel demo = test::DemoLogic();
    // TS1 o (TS2 u TS3) = 10 o 20 = 10, not (10 o 20) u 20 = 20.
    EXPECT_EQ(Verdict(demo, "S1E1:TS1[10]oTS2[20]uTS3[20]", 10),
              ", MATCHES with SE-Target: 10 with:");
    EXPECT_EQ(Verdict(demo, "S1E1:TS1[10]oTS2[20]uTS3[20]", 20),
              ", INCONSISTENT with SE-Target: 20");
    // (TS1 u TS2) o (TS3 u TS4) = 10, where left to right would give 20.
    EXPECT_EQ(Verdict(demo, "S1E1:TS1[10]uTS2[10]oTS3[10]uTS4[20]", 10),
              ", MATCHES with SE-Target: 10 with:");
    // A unary sign before a bracket applies to the bracket's value.
    EXPECT_EQ(Verdict(demo, "S1E1:~(TS1[10]oTS2[20])uTS3[10]", 20),
              ", MATCHES with SE-Target: 20 with:");
    EXPECT_EQ(Verdict(demo, "S1E1:(TS1[10]uTS2[30])", 30), ", MATCHES with SE-Target: 30 with:");
}

TEST(Evaluation, RowOrderWithTwoValues) {
    // Only the combination (1, 2) gives 1, only (2, 1) gives 3.
    const LogicModel logic = ts_workload::MakeLogic(
        {{1, 2}, {}, {{"u", [](int a, int b) {
                           return a == 1 && b == 2 ? 1 : (a == 2 && b == 1 ? 3 : 2);
                       }}}});
    EXPECT_EQ(Verdict(logic, "S1E1:TS1uTS2", 1), ", MATCHES with SE-Target: 1 with:TS1=1 TS2=2 ");
    EXPECT_EQ(Verdict(logic, "S1E1:TS1uTS2", 3), ", MATCHES with SE-Target: 3 with:TS1=2 TS2=1 ");
    EXPECT_EQ(Verdict(logic, "S1E1:TS1uTS2", 2), ", MATCHES with SE-Target: 2 with:TS1=1 TS2=1 ");
    EXPECT_EQ(Verdict(logic, "S1E1:TS2uTS1", 1), ", MATCHES with SE-Target: 1 with:TS2=1 TS1=2 ");
}

TEST(Evaluation, Simple40AndPrescribedValues) {
    const LogicModel demo = test::DemoLogic();
    EXPECT_EQ(Verdict(demo, "S1E1:TS1[40]uTS2", 40), ", MATCHES with SE-Target: 40 with:TS2=10 ");
    EXPECT_EQ(Verdict(demo, "S1E1:TS1oTS2[40]", 10), ", INCONSISTENT with SE-Target: 10");
    // 40 is not enumerated, so a free TS never reaches it.
    EXPECT_EQ(Verdict(demo, "S1E1:TS1uTS2", 40), ", INCONSISTENT with SE-Target: 40");
    EXPECT_EQ(Verdict(demo, "S1E1:TS1", 20), ", MATCHES with SE-Target: 20 with:TS1=20 ");
    EXPECT_EQ(Verdict(demo, "S1E1:TS3[20]uTS1", 30), ", INCONSISTENT with SE-Target: 30");
    EXPECT_EQ(Verdict(demo, "S1E1:TS3[20]oTS1", 30), ", MATCHES with SE-Target: 30 with:TS1=30 ");
}

TEST(Evaluation, TargetsPerSEAndAMissingTarget) {
    const Outcome outcome =
        RunBoth(test::DemoLogic(), {"S1E1:TS1uTS2", "", "/S1E2:TS1", "S1E2:~TS1"}, {{"S1E2", 10}});
    EXPECT_EQ(outcome.lines, (std::vector<std::string>{
                                 "S1E1:TS1uTS2, INCONSISTENT with SE-Target: -1", "", "/S1E2:TS1",
                                 "S1E2:~TS1, MATCHES with SE-Target: 10 with:TS1=20 "}));
}

// A logic whose tables hold 0 and a code it does not have (99), so that evaluations fail.
LogicModel Holes() {
    return ts_workload::MakeLogic(
        {{10, 20},
         {{"~", [](int a) { return a == 10 ? 0 : 10; }}},
         {{"u",
           [](int a, int b) { return a == 20 && b == 20 ? 0 : (a == 10 && b == 20 ? 99 : a); }},
          {"o", [](int a, int) { return a; }}}});
}

std::vector<std::string> FailureOf(const std::string& line, int target = 10) {
    const Outcome outcome = RunBoth(Holes(), {line}, {{"S1E1", target}});
    std::vector<std::string> found = outcome.messages;
    found.push_back(outcome.results.back());
    found.push_back(outcome.lines[0]);
    return found;
}

TEST(Evaluation, EveryFailureReportsAndLeavesTheLineWithoutVerdict) {
    EXPECT_EQ(FailureOf("S1E1:~TS1uTS2[10]"),
              (std::vector<std::string>{
                  "Error in computing binary relation on: Cell or TS - Order Nr: 1One or both "
                  "params have no legal TS value. ",
                  "line 1=Error compting part of TS: S1E1Cell:", "S1E1:~TS1uTS2[10]"}));
    EXPECT_EQ(FailureOf("S1E1:TS1[99]uTS2")[0],
              "Error in Anal2BR computing binary relation on: Cell or TS - Order Nr: 1");
    EXPECT_EQ(FailureOf("S1E1:~TS1[99]")[0],
              "Error in 2BRAnal.ResolveUnLogop func: in resolving UnLogop of TS:Layer0TS Nr. 1");
    EXPECT_EQ(FailureOf("S1E1:TS3o~(TS1[10]uTS2[20])"),
              (std::vector<std::string>{
                  "Error in 2BRAnal.ResolveUnLogop func: in resolving UnLogop on Cell "
                  "value:Layer0Cell Nr. 2",
                  "line 1=Error compting part of TS: S1E1Cell:", "S1E1:TS3o~(TS1[10]uTS2[20])"}));
    EXPECT_EQ(FailureOf("S1E1:TS1[20]uTS2oTS3[99]"),
              (std::vector<std::string>{
                  "Error in Anal2BR computing binary relation between a "
                  "Temp Results on: Cell or TS - Order Nr: 3",
                  "line 1=Error compting part of TS: S1E1Cell:", "S1E1:TS1[20]uTS2oTS3[99]"}));
    EXPECT_EQ(FailureOf("S1E1:(TS1[20]uTS2[20])oTS3"),
              (std::vector<std::string>{
                  "Error ResultUNit on returning EvalPartTS func: No evaluation as Total-Result "
                  "have to be > 0. Evaluation of Cell failed Nr: 2On Layer: IntToStr(i)",
                  "line 1=Error compting part of TS: S1E1Cell:", "S1E1:(TS1[20]uTS2[20])oTS3"}));
    // Rows before a failing row are tried first: row 1 (TS1 = 10) gives 20, row 2 fails.
    EXPECT_EQ(FailureOf("S1E1:TS2[20]uTS1", 20).back(),
              "S1E1:TS2[20]uTS1, MATCHES with SE-Target: 20 with:TS1=10 ");
    EXPECT_EQ(FailureOf("S1E1:TS2[20]uTS1", 10)[0],
              "Error ResultUNit on returning EvalPartTS func: No evaluation as Total-Result have "
              "to be > 0. Evaluation of Cell failed Nr: 1On Layer: IntToStr(i)");
}

TEST(Evaluation, TermsWithoutASignBetweenThemFail) {
    // "TS1~TS2" passes the syntax check and the parser skips the "~": the elements have no
    // binary sign between them, no group closes and the total stays 0.
    const Outcome outcome = RunBoth(test::DemoLogic(), {"S1E1:TS1~TS2"}, {{"S1E1", 10}});
    EXPECT_EQ(outcome.results.back(), "line 1=Error compting part of TS: S1E1Cell:");
    EXPECT_EQ(outcome.messages.size(), 1u);
}

TEST(Evaluation, CombinationWarningsAndLinesBeyondTheTable) {
    std::string ten = "TS1";
    for (int k = 2; k <= 10; ++k) {
        ten += "oTS" + std::to_string(k);
    }
    const std::string line = "S1E1:" + ten;
    // All ten must be 20 (digit 1): row 1 + (3^10 - 1) / 2 = 29525, beyond the 19683 rows.
    const Outcome outcome = RunBoth(test::DemoLogic(), {line}, {{"S1E1", 20}});
    EXPECT_EQ(outcome.lines[0], line +
                                    ", MATCHES with SE-Target: 20 with:TS1=20 TS2=20 TS3=20 "
                                    "TS4=20 TS5=20 TS6=20 TS7=20 TS8=20 TS9=20 TS10=20 ");
    EXPECT_EQ(outcome.messages,
              (std::vector<std::string>{
                  " Warnung bei Vorbereitung der TS Berechnung: Die Anzahl der zu bewertetenden TS "
                  "in Zeile 1\rist groesser als die praktisch erlaubte. Die Berechung muss nicht "
                  "zueinem Ergebnis fuehren !\r\rWarning at TS preparing TS computation: Number of "
                  "TS to evaluate exceeds number of practically admited on Line  1\r The "
                  "comutation might end without a result !"}));
    // The same search row by row over all rows.
    EXPECT_EQ(
        RunBoth(test::DemoLogic(), {line}, {{"S1E1", 20}}, TFormAnals2BR::RowSearch::AllRowByRow)
            .lines,
        outcome.lines);
}

TEST(Evaluation, TheCombinationTable) {
    const LogicModel demo = test::DemoLogic();
    test::AnalsFixture f(demo);
    ASSERT_EQ(f.anals.AnalyzeLogics("DefWW"), "OK");
    ASSERT_EQ(f.anals.IniAllComputeTS_2BRStructs(), "OK");
    const TCombinationTable& table = f.anals.CombTable;
    EXPECT_EQ(table.RowCount, 19683);
    EXPECT_EQ(table.ColCount, 9);
    EXPECT_EQ(table.Weights[3], 9);
    EXPECT_EQ(table.Cell(1, 1), 10);
    EXPECT_EQ(table.Cell(2, 1), 20);
    EXPECT_EQ(table.Cell(3, 1), 30);
    EXPECT_EQ(table.Cell(4, 1), 10);
    EXPECT_EQ(table.Cell(4, 2), 20);
    EXPECT_EQ(table.Cell(19683, 9), 30);
    EXPECT_EQ(table.Cell(1, 10), 0);
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
