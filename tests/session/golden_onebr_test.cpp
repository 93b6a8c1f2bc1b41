#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "onebr_golden.h"
#include "platform/application.h"
#include "platform/scripted_ui.h"
#include "platform/text_list.h"
#include "session/one_br_run.h"
#include "session/result_form.h"
#include "session/smallest_conflict.h"
#include "settings/ini_form.h"
#include "support/golden.h"

namespace vx {
namespace {

// The header and the given lines of a session.
TextList HeaderAnd(const std::vector<TracedLine>& lines) {
    TextList session{"//vx2.0b, "};
    for (const TracedLine& line : lines) {
        session.Add(line.Text);
    }
    return session;
}

// Runs the sessions of a case in order on its installation.
class OneBRGolden : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        const auto caseDir = test::OneBRCasesDir() / GetParam();
        golden = test::ReadOneBRCase(caseDir);
        ASSERT_FALSE(golden.Runs.empty()) << "case.txt names no session to run";
        test::InstallOneBRCase(install, caseDir);
        // Read only now: a case may bring its own vx.ini.
        ini.emplace(ui, application, install.ProgramFileName());
        for (const auto& session : golden.Runs) {
            text.LoadFromFile(install.Root() + "Sessions\\" + session);
            outcome = RunOneBRSession(text, *ini, resultForm, ui);
            EXPECT_EQ(ini->RunState, "idle") << session;
        }
    }
    test::OneBRCase golden;
    test::TempInstallation install;
    ScriptedUi ui;
    TApplication application;
    std::optional<TIniForm> ini;
    TResultForm resultForm;
    OneBROutcome outcome;
    TextList text;  // the last session
};

TEST_P(OneBRGolden, ReportAndMessages) {
    EXPECT_EQ(resultForm.ResultMemo.Lines.Lines(), golden.Result);
    EXPECT_EQ(resultForm.Memo_Last_Results.Lines.Lines(), golden.Last);
    EXPECT_EQ(test::MarkRoot(ui.Messages, install.Root()), golden.Messages)
        << test::FormatMessages(test::MarkRoot(ui.Messages, install.Root()));
    EXPECT_EQ(resultForm.Visible, outcome.Reported);
    if (outcome.Reported) {
        EXPECT_EQ(install.Read("Sessions/default.res"), "");
    }
}

// The explanation names the conflict that the report names, and the smallest conflict is a
// set of the session's lines that conflicts alone while none of its lines can be left out.
TEST_P(OneBRGolden, ExplanationAndSmallestConflict) {
    const std::string sessionFile = "Sessions/" + golden.Runs.back();
    const bool conflict = EndsInConflict(outcome.Status);
    const std::string root = install.Root();

    ASSERT_EQ(outcome.Trace.Conflict.has_value(), conflict);
    if (conflict) {
        EXPECT_EQ(outcome.Trace.Conflict->Met.Place.Record, outcome.Result.Line);
        EXPECT_EQ(outcome.Trace.Conflict->Met.Place.Cycle, outcome.Result.Cycle);
    }
    if (outcome.Reported) {
        // Every SE value of the report has its derivation, in table order.
        const auto& report = resultForm.ResultMemo.Lines.Lines();
        const auto values = std::find(report.begin(), report.end(), "SE-Results: ");
        ASSERT_NE(values, report.end());
        std::vector<std::string> derived;
        for (const Derivation& d : outcome.Trace.Entries) {
            derived.push_back(d.Value);
        }
        EXPECT_EQ(derived, std::vector<std::string>(values + 1, report.end()));
    }
    if (golden.Explanation) {
        EXPECT_EQ(test::MarkRoot(ExplanationLines(outcome.Trace), root), *golden.Explanation);
    }

    const std::string before = install.Read(sessionFile);
    const SmallestConflict found = FindSmallestConflict(text, TextBaseSettingsOf(*ini));
    EXPECT_EQ(install.Read(sessionFile), before);
    EXPECT_EQ(found.SessionConflicts, conflict);
    if (golden.Smallest) {
        EXPECT_EQ(test::MarkRoot(SmallestConflictLines(found), root), *golden.Smallest);
    }
    if (!conflict) {
        return;
    }
    ASSERT_FALSE(found.Lines.empty());
    EXPECT_TRUE(found.Trace.Conflict.has_value());
    const TextList alone = HeaderAnd(found.Lines);
    for (int n = 1; n < alone.Count(); ++n) {
        TextList without = alone;
        without.Delete(n);
        EXPECT_FALSE(FindSmallestConflict(without, TextBaseSettingsOf(*ini)).SessionConflicts)
            << "line " << found.Lines[static_cast<std::size_t>(n - 1)].SessionLine
            << " can be left out";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, OneBRGolden,
                         ::testing::ValuesIn(test::GoldenCases(test::OneBRCasesDir())),
                         test::GoldenName{});

}  // namespace
}  // namespace vx
