#include <gtest/gtest.h>

#include "support/golden.h"
#include "support/ts_workload.h"
#include "ts_fixture.h"

// The analysis of TS lines into layers, brackets and operator tables, on the demo logic. The
// findings and verdicts of whole runs are the golden folders of tests/data/ts2br/analysis; the
// parser's answer to a single TS part those of tests/data/ts2br/parse/<case>/:
//   part.txt       the TS part, parsed as line 1 on layer 0
//   expected.txt   the parser's result
//   messages.txt   the message boxes in order (absent: none)
namespace fs = std::filesystem;

namespace vx {
namespace {

using test::AnalsFixture;

class AnalysisTest : public ::testing::Test {
protected:
    AnalysisTest() : logic_(test::DemoLogic()), f_(logic_) {}

    // Parses `part` alone as line 1 on layer 0.
    std::string ParseOnly(const std::string& part) {
        f_.anals.ResetAnalTSArrays();
        f_.anals.ReadLogopsAccordingToLogicPar("DefWW");
        return f_.anals.Parse_TS(part, 0, 0, 1, 0);
    }

    LogicModel logic_;
    AnalsFixture f_;
};

// Lines of layers, brackets and evaluation lists, by their verdicts: the golden folder
// analysis/structure.

class ParseGolden : public AnalysisTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(ParseGolden, Case) {
    const fs::path caseDir = test::TestDataDir() / "ts2br" / "parse" / GetParam();
    const std::string result = ParseOnly(test::LinesOf(caseDir / "part.txt").at(0));
    test::DumpActual("parse", GetParam(), "expected.txt", result + "\n");
    test::DumpActual("parse", GetParam(), "messages.txt", test::FormatMessages(f_.ui.Messages));
    EXPECT_EQ(std::vector<std::string>{result}, test::LinesOf(caseDir / "expected.txt"));
    EXPECT_EQ(f_.ui.Messages, test::ReadMessagesFile(caseDir / "messages.txt"));
}

INSTANTIATE_TEST_SUITE_P(Folders, ParseGolden,
                         ::testing::ValuesIn(test::GoldenCases(test::TestDataDir() / "ts2br" /
                                                               "parse")),
                         test::GoldenName());

TEST_F(AnalysisTest, TwoDigitTermNumbersAndTheStrayDigit) {
    EXPECT_EQ(ParseOnly("TS123"), "OK");
    const TAnalyzeLayer& layer = f_.anals.DepthStructe(1).Layer(0);
    EXPECT_EQ(layer.Elements[1].TSNumber, 12);
    EXPECT_EQ(layer.Elements[2].Order, 0);
}

TEST_F(AnalysisTest, SEPartsAndEmptyLists) {
    f_.anals.WorkPrepare.Assign({TAnals2BR::kHeaderPrepare, "S1E1TS1"});
    f_.anals.WorkSource.Assign({TAnals2BR::kHeaderSource, "TS1"});
    EXPECT_EQ(f_.anals.Analyze_TS("DefWW"),
              "Analyze TS: Syntax Error in SE on line 1 for Logic: DefWW");
    f_.anals.WorkPrepare.Assign({TAnals2BR::kHeaderPrepare, "", ":TS1"});
    EXPECT_EQ(f_.anals.Analyze_TS("DefWW"), "Analyze TS: Empty SE on line 2 for Logic: DefWW");
    f_.anals.WorkPrepare.Assign({TAnals2BR::kHeaderPrepare});
    f_.anals.WorkSource.Assign({TAnals2BR::kHeaderSource});
    EXPECT_EQ(f_.anals.Analyze_TS("DefWW"), "OK");
    f_.anals.WorkSource.Clear();
    EXPECT_EQ(f_.anals.Analyze_TS("DefWW"), "Analyze TS: No TS for Logic: DefWW");
}

// The findings of the TS syntax are a golden folder; a line without ":" is only reported.
TEST_F(AnalysisTest, ALineWithoutSeparatorIsReportedButDoesNotFailTheCheck) {
    f_.anals.WorkPrepare.Assign(
        {TAnals2BR::kHeaderPrepare, "S1E1:TS1uTS2- on SE line:1", "", "S1E2TS1- on SE line:3"});
    f_.anals.WorkTarget.Assign({TAnals2BR::kHeaderTarget});
    EXPECT_EQ(f_.anals.SyntaxCheckTS("DefWW"), 1);
    EXPECT_EQ(f_.anals.WorkTarget.Lines(),
              (std::vector<std::string>{
                  TAnals2BR::kHeaderTarget,
                  "SyntaxCheckTS: Syntax Error separate SE from TS (missing sign : ?) on line: 3 "
                  "for Logic: DefWW"}));
}

TEST_F(AnalysisTest, OperatorTablesByLogicName) {
    LogicModel logic = test::DemoLogic();
    logic.RLOpDefs[2].Binary[1] = {"PLUS", "+", "VXR25"};
    ts::TLogopTable oneBR;
    oneBR[1] = {"CONJUNCTION", "&", "VXR25"};
    ScriptedUi ui;
    TAnals2BR anals(ui, logic, ts_workload::NoLogops(), oneBR);
    anals.ReadLogopsAccordingToLogicPar("RL2");
    EXPECT_EQ(anals.ActiveBinaryOps[1].Sign, "+");
    anals.ReadLogopsAccordingToLogicPar("RL5");
    EXPECT_EQ(anals.ActiveBinaryOps[1].Sign, "+");
    anals.ReadLogopsAccordingToLogicPar("1BR");
    EXPECT_EQ(anals.ActiveBinaryOps[1].Sign, "&");
    anals.ReadLogopsAccordingToLogicPar("DefDW");
    EXPECT_EQ(anals.ActiveBinaryOps[3].Sign, "=>");
    EXPECT_EQ(anals.ActiveUnaryOps[1].Sign, "~");
    EXPECT_EQ(anals.Check_uLogop("~"), "~");
    EXPECT_EQ(anals.Check_uLogop("u"), "");
    EXPECT_EQ(anals.Check_binLogop("TS1<=>TS2", 4), "<=>");
}

// What the pre-analysis leaves of a logic: its name, Simple40, the values it enumerates and
// whether an operator has several results.
std::string Summary(const TLogicsAnalysis& entry) {
    std::string values;
    for (int value : entry.Values) {
        values += (values.empty() ? "" : ",") + std::to_string(value);
    }
    return entry.Name + (entry.Simple40 ? " simple40 " : " ") + std::to_string(entry.NumValues) +
           " values " + values + " op " + std::to_string(entry.OpFlag);
}

TEST(LogicPreAnalysis, ValenceAndMetaLogicName) {
    LogicModel logic = test::DemoLogic();
    AnalsFixture f(logic);
    logic.MiscLogic.IsMetalogic = "Default_WW";
    EXPECT_EQ(f.anals.AnalyzeOneLogic("DefWW"), "OK");
    logic.MiscLogic.IsMetalogic = "Kleene";
    EXPECT_EQ(f.anals.AnalyzeOneLogic("DefWW"), "");
    EXPECT_EQ(f.ui.Messages.size(), 1u);  // its text: the golden folder meta_logic_unknown
    logic.MiscLogic.IsMetalogic = "EMPTY";
    logic.WWType.Valence = 1;
    f.ui.Messages.clear();
    EXPECT_EQ(f.anals.AnalyzeOneLogic("DefWW"), "OK");
    EXPECT_EQ(f.anals.LogicsAnalysis[1].NumValues, 0);
    EXPECT_EQ(f.ui.Messages.size(), 1u);  // its text: golden folder no_value_to_enumerate
    logic.WWType.Valence = 0;
    EXPECT_EQ(f.anals.AnalyzeOneLogic("DefWW"), "Logic DefWW is empty.");
    f.anals.ResetAnalLogicsFlags("DefWW");
    EXPECT_EQ(f.anals.LogicsAnalysis[1].Name, "");
}

// Each logic is pre-analysed into its own entry from its own value type record, and its
// operators are looked up in that record's tables; a logic whose tables were not read is not
// configured. A logic analysed again in the same place keeps nothing of the first analysis.
TEST(LogicPreAnalysis, EachLogicOnItsOwnTypeRecord) {
    LogicModel logic = test::DemoLogic();
    AnalsFixture f(logic);
    ASSERT_EQ(f.anals.AnalyzeLogics("All"), "OK");  // the WW logic
    EXPECT_TRUE(f.ui.Messages.empty());             // the demo names no meta logic
    ASSERT_EQ(f.anals.AnalyzeOneLogic("DefEW"), "OK");
    EXPECT_EQ(Summary(f.anals.LogicsAnalysis[2]), "DefEW simple40 2 values 50,60,0,0,0 op 0");
    EXPECT_EQ(Summary(f.anals.LogicsAnalysis[1]), "DefWW simple40 3 values 10,20,30,0,0 op 0");
    EXPECT_EQ(f.anals.ResolveBinLogop("u", 50, 60), 60);
    EXPECT_EQ(f.anals.ResolveUnLogop("~", 60), 50);
    EXPECT_EQ(f.anals.ResolveBinLogop("u", 10, 20), -1);

    f.anals.ReadLogopsAccordingToLogicPar("DefWW");
    EXPECT_EQ(f.anals.ResolveBinLogop("u", 10, 20), 20);
    EXPECT_EQ(f.anals.ResolveBinLogop("u", 50, 60), -1);
    f.anals.ReadLogopsAccordingToLogicPar("1BR");  // no logic of the engine: selection kept
    EXPECT_EQ(f.anals.ResolveBinLogop("u", 10, 20), 20);

    EXPECT_EQ(f.anals.AnalyzeOneLogic("NewXW"), "Logic NewXW is empty.");
    EXPECT_EQ(f.anals.LogicsAnalysis[4].Name, "");
    f.anals.ResetAnalLogicsFlags("DefEW");
    EXPECT_EQ(f.anals.LogicsAnalysis[2].Name, "");
    EXPECT_EQ(f.anals.LogicsAnalysis[1].Name, "DefWW");

    logic.WWType.ValueCode[4] = 50;
    logic.WWType.LogRels.BinLogRel[2].MultiRes = 1;
    EXPECT_EQ(f.anals.AnalyzeOneLogic("DefWW"), "OK");
    EXPECT_EQ(Summary(f.anals.LogicsAnalysis[1]), "DefWW 4 values 10,20,30,50,0 op 1");
}

TEST(LogicPreAnalysis, ALogicIsConfiguredWhenItsTablesWereRead) {
    LogicModel logic = test::DemoLogic();
    logic.RangeLogicsInfo.NumberText = "1";
    logic.RangeLogicsInfo.RLType[1] = "SW";
    logic.RLTypes[1].Valence = 3;
    logic.RangeLogicsInfo.RLType[2] = "TW";
    logic.RLTypes[2].Valence = 3;  // beyond the count of range logics
    AnalsFixture f(logic);
    const auto configured = [&f] {
        std::string names;
        for (const char* name :
             {"DefWW", "DefEW", "DefDW", "NewXW", "RL1", "RL2", "RL3", "RL4", "RL5", "All"}) {
            names += f.anals.LogicConfigured(name) ? std::string(name) + " " : "";
        }
        return names;
    };
    EXPECT_EQ(configured(), "DefWW DefEW DefDW RL1 ");

    logic.InfoEW.Removed = "YES";
    logic.InfoDW.Removed = "no";  // values read, tables not
    logic.RangeLogicsInfo.RLType[1] = "EMPTY";
    logic.RangeLogicsInfo.NumberText = "2";
    logic.InfoNewXW.Number = "1";
    logic.NewXWType.Valence = 2;
    EXPECT_EQ(configured(), "DefWW NewXW RL2 ");
    EXPECT_EQ(TAnals2BR::LogicEntry("RL4"), 8);
    EXPECT_EQ(TAnals2BR::LogicEntry("RL5"), 0);
}

TEST(Evaluation, TheCombinationTable) {
    const LogicModel demo = test::DemoLogic();
    test::AnalsFixture f(demo);
    ASSERT_EQ(f.anals.AnalyzeLogics("DefWW"), "OK");
    ASSERT_EQ(f.anals.IniAllComputeTS_2BRStructs(), "OK");
    const TCombinationTable& table = f.anals.CombTable;
    // The order of its rows is that of the first assignments the golden folders show.
    EXPECT_EQ(table.RowCount, 19683);
    EXPECT_EQ(table.ColCount, 9);
    EXPECT_EQ(f.anals.Compute_Needed_Combinations(3, 9), 19683);
    EXPECT_EQ(f.anals.Compute_Needed_Combinations(5, 14), 0);
    EXPECT_EQ(f.ui.Messages,
              (std::vector<std::string>{
                  "Fehler bei der Combinations-Analyse in Anal2BR.Compute_Needed_Combinations: "
                  "Wert groesser als Integer. \r\rErr in combination analysis in "
                  "Anal2BR.Compute_Needed_Combinations: value is bigger than int"}));
    // A logic of one value, or none, to enumerate: the golden folders evaluation/*_to_enumerate.
}

}  // namespace
}  // namespace vx
