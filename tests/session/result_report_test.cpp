#include <gtest/gtest.h>

#include "session/one_br_report.h"
#include "session/result_report.h"

// The reports of every status a run gives are compared as JSON in the golden folders of the
// 1BR run and of TS start (vx-check --json); here only what no run of them gives.
namespace vx {
namespace {

// A status -1 without a value writes no status line: a conflict without details.
TEST(OneBRResultReport, AConflictWithoutAValueHasNoStatusLineAndNoDetails) {
    const TFehlerStatus noValue{"0", -1, 0, "S254E1WW00", "0"};
    const std::vector<std::string> lines = OneBRReportLines(noValue, {1, 0}, nullptr, "1.2.2027");
    EXPECT_EQ(lines, (std::vector<std::string>{"//Session Results: vx2.0b, 1.2.2027", " ",
                                               "Result: ", " ", "SE-Results: "}));
    const ResultReport silent = OneBRResultReport(lines);
    EXPECT_EQ(silent.Status, "conflict");
    EXPECT_EQ(silent.ErrorKind, std::nullopt);
    EXPECT_EQ(silent.Line, std::nullopt);
    const TFehlerStatus other{"0", 7, 0, "0", "0"};
    EXPECT_EQ(OneBRReportLines(other, {0, 0}, nullptr, "").size(), 5u);
}

TEST(OneBRResultReport, ALineThatIsNoSEValueKeepsItsTextWithoutAValue) {
    const ResultReport report =
        OneBRResultReport({"//Session Results: vx2.0b, d", " ", "Result: ", "OK, Zyklen: 0", " ",
                           "SE-Results: ", "S0254E11EW50", "odd"});
    ASSERT_EQ(report.SEValues.size(), 2u);
    EXPECT_EQ(report.SEValues[0].SE, "S0254E11");
    EXPECT_EQ(report.SEValues[0].Value, 50);
    EXPECT_EQ(report.SEValues[1].Value, std::nullopt);
    EXPECT_EQ(report.SEValues[1].Text, "odd");
}

}  // namespace
}  // namespace vx
