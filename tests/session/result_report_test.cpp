#include <gtest/gtest.h>

#include "session/one_br_report.h"
#include "session/result_form.h"
#include "session/result_report.h"

namespace vx {
namespace {

TFehlerStatus Status(std::int32_t status, std::int32_t value, std::string sentence,
                     std::string method) {
    return {"0", status, value, std::move(sentence), std::move(method)};
}

ResultReport ReportOf(const TFehlerStatus& status, RunResult result,
                      const TVxSETable* table = nullptr) {
    return OneBRResultReport(OneBRReportLines(status, result, table, "06.12.2026"));
}

// The 1BR report is read back from the lines the report writer produces, for every status.
TEST(OneBRResultReport, ReadsEveryStatusTheReportWrites) {
    const ResultReport conflict =
        ReportOf(Status(-1, 10, "S254E9WW10", "RE11 EQ WW20"), RunResult{3, 1});
    EXPECT_EQ(conflict.Mode, "1BR");
    EXPECT_EQ(conflict.Date, "06.12.2026");
    EXPECT_EQ(conflict.Status, "conflict");
    EXPECT_EQ(conflict.ErrorKind, "Error1");
    EXPECT_EQ(conflict.Sentence, "S254E9WW10");
    EXPECT_EQ(conflict.Method, "RE11 EQ WW20");
    EXPECT_EQ(conflict.Line, 3);
    EXPECT_EQ(conflict.Cycle, 1);

    const ResultReport noMethod = ReportOf(Status(-1, 20, "S254E10WW20", "0"), RunResult{2, 0});
    EXPECT_EQ(noMethod.Sentence, "S254E10WW20");
    EXPECT_EQ(noMethod.Method, std::nullopt);
    EXPECT_EQ(noMethod.Line, 2);

    const ResultReport ok = ReportOf(Status(1, 0, "0", "0"), RunResult{0, 2});
    EXPECT_EQ(ok.Status, "ok");
    EXPECT_EQ(ok.ErrorKind, std::nullopt);
    EXPECT_EQ(ok.Cycle, 2);
    EXPECT_EQ(ok.Line, std::nullopt);

    const ResultReport notRun = ReportOf(Status(0, 0, "0", "0"), RunResult{0, 0});
    EXPECT_EQ(notRun.Status, "not_run");
    EXPECT_EQ(notRun.ErrorKind, "Error0");
    EXPECT_EQ(notRun.Cycle, 0);

    EXPECT_EQ(ReportOf(Status(-3, 0, "0", "0"), RunResult{}).ErrorKind, "Error3");
    const ResultReport unknown = ReportOf(Status(-9, 10, "S1E1WW10", "x"), RunResult{4, 5});
    EXPECT_EQ(unknown.Status, "error");
    EXPECT_EQ(unknown.ErrorKind, "Error9");
    EXPECT_EQ(unknown.Sentence, "S1E1WW10");
    EXPECT_EQ(unknown.Line, 4);

    // A status -1 without a value writes no status line: a conflict without details.
    const ResultReport silent = ReportOf(Status(-1, 0, "S1E1WW00", "0"), RunResult{1, 0});
    EXPECT_EQ(silent.Status, "conflict");
    EXPECT_EQ(silent.ErrorKind, std::nullopt);
    EXPECT_EQ(silent.Line, std::nullopt);
}

TEST(OneBRResultReport, SplitsEverySEValueAndKeepsItsLine) {
    const ResultReport report =
        OneBRResultReport({"//Session Results: vx2.0b, d", " ", "Result: ", "OK, Zyklen: 0", " ",
                           "SE-Results: ", "S254E10WW10", "S0254E11EW50", "S30012E2DW100", "odd"});
    ASSERT_EQ(report.SEValues.size(), 4u);
    EXPECT_EQ(report.SEValues[0].SE, "S254E10");
    EXPECT_EQ(report.SEValues[1].SE, "S0254E11");
    EXPECT_EQ(report.SEValues[1].Type, "EW");
    EXPECT_EQ(report.SEValues[2].Type, "DW");
    EXPECT_EQ(report.SEValues[2].Value, 100);
    EXPECT_EQ(report.SEValues[3].Value, std::nullopt);
    EXPECT_EQ(report.SEValues[3].Text, "odd");
    EXPECT_EQ(report.Text.size(), 10u);
}

class TwoBRResultReportTest : public ::testing::Test {
protected:
    TwoBRResultReportTest() {
        for (const TSResultList& list : kTSResultLists) {
            (form.*list.Memo).Lines.Assign({list.Header});
        }
        form.PageControl.ActivePageIndex = 1;
    }
    const ReportVerdict& Verdict(int logic, int line) {
        report = TwoBRResultReport(form);
        return report.Logics.at(static_cast<std::size_t>(logic))
            .Verdicts.at(static_cast<std::size_t>(line - 1));
    }
    TResultForm form;
    ResultReport report;
};

TEST_F(TwoBRResultReportTest, ReadsVerdictsTargetsAssignmentsCountsAndErrors) {
    form.Memo_DefWW.Lines.Add("S120E3:TS1uTS2, MATCHES with SE-Target: 10 with:TS1=10 TS3=20 ");
    form.Memo_DefWW.Lines.Add(
        "S1E1:TS1, Error: TargetXW not found. , INCONSISTENT with SE-Target: -1");
    form.Memo_DefWW.Lines.Add(
        "S1E2:TS1oTS2, MATCHES with SE-Target: 10 with:TS1=10 TS2=20 , matches: 3, "
        "underdetermined");
    form.Memo_DefWW.Lines.Add("S1E3:TS1, Error in Anal2BR, on: Cell 2");
    form.Memo_DefEW.Lines.Add("S1E4:TS1u~TS1");
    form.Memo_Results.Lines.Add("OK");

    const ReportVerdict first = Verdict(0, 1);
    EXPECT_EQ(first.Line, 1);
    EXPECT_EQ(first.SE, "S120E3");
    EXPECT_EQ(first.TS, "TS1uTS2");
    EXPECT_EQ(first.Verdict, "MATCHES");
    EXPECT_EQ(first.Target, 10);
    ASSERT_EQ(first.FirstAssignment.size(), 2u);
    EXPECT_EQ(first.FirstAssignment[1].Term, "TS3");
    EXPECT_EQ(first.FirstAssignment[1].Value, 20);
    EXPECT_EQ(first.Matches, std::nullopt);

    const ReportVerdict missing = Verdict(0, 2);
    EXPECT_EQ(missing.Verdict, "INCONSISTENT");
    EXPECT_EQ(missing.Target, -1);
    EXPECT_EQ(missing.Errors, std::vector<std::string>{"Error: TargetXW not found."});

    const ReportVerdict counted = Verdict(0, 3);
    EXPECT_EQ(counted.Matches, 3);
    EXPECT_EQ(counted.Determined, false);
    EXPECT_TRUE(counted.Errors.empty());

    const ReportVerdict failed = Verdict(0, 4);
    EXPECT_EQ(failed.Verdict, "ERROR");
    EXPECT_EQ(failed.Errors, std::vector<std::string>{"Error in Anal2BR, on: Cell 2"});

    const ReportVerdict listed = Verdict(1, 1);
    EXPECT_EQ(listed.Verdict, "");
    EXPECT_EQ(listed.TS, "TS1u~TS1");
    EXPECT_EQ(report.Logics.size(), 9u);
    EXPECT_EQ(report.Status, "error");
    EXPECT_EQ(report.ErrorKind, "line");
    EXPECT_EQ(report.Messages, std::vector<std::string>{"OK"});
}

TEST_F(TwoBRResultReportTest, StatusFollowsVerdictsAndResultLines) {
    EXPECT_EQ(TwoBRResultReport(form).Status, "not_run");
    form.Memo_DefWW.Lines.Add("S1E1:TS1, MATCHES with SE-Target: 10 with:TS1=10 ");
    EXPECT_EQ(TwoBRResultReport(form).Status, "ok");
    form.Memo_DefWW.Lines.Add("S1E2:TS1u~TS1, INCONSISTENT with SE-Target: 10");
    EXPECT_EQ(TwoBRResultReport(form).Status, "conflict");
    for (const char* error : {"Error: Cannot resolve correct logic from S1E3 (x;;) : TS1",
                              "SyntaxCheckTS: Syntax Error in TS on line: 2: ERROR: x"}) {
        form.Memo_Results.Lines.Assign({error});
        const ResultReport failed = TwoBRResultReport(form);
        EXPECT_EQ(failed.Status, "error") << error;
        EXPECT_EQ(failed.ErrorKind, "results") << error;
    }
}

TEST_F(TwoBRResultReportTest, TheShownPageChoosesTheReport) {
    form.ResultMemo.Lines.Assign({"//Session Results: vx2.0b, d", " ", "Result: "});
    form.Memo_DefWW.Lines.Add("S1E1:TS1");
    form.Memo_Results.Lines.Add("OK");
    EXPECT_EQ(ShownReportLines(form),
              (std::vector<std::string>{"//DefWW Results:", "S1E1:TS1", "--- results", "OK"}));
    EXPECT_EQ(ShownResultReport(form).Mode, "2BR");
    form.PageControl.ActivePageIndex = 0;
    EXPECT_EQ(ShownReportLines(form), form.ResultMemo.Lines.Lines());
    EXPECT_EQ(ShownResultReport(form).Mode, "1BR");

    TResultForm fresh;
    fresh.PageControl.ActivePageIndex = 1;
    EXPECT_TRUE(ShownReportLines(fresh).empty());
}

}  // namespace
}  // namespace vx
