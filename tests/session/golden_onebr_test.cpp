#include <gtest/gtest.h>

#include "onebr_golden.h"
#include "platform/application.h"
#include "platform/scripted_ui.h"
#include "platform/text_list.h"
#include "session/one_br_run.h"
#include "session/result_form.h"
#include "settings/ini_form.h"
#include "support/golden.h"

namespace vx {
namespace {

class OneBRGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(OneBRGolden, ReportAndMessages) {
    const auto caseDir = test::OneBRCasesDir() / GetParam();
    const test::OneBRCase golden = test::ReadOneBRCase(caseDir);
    ASSERT_FALSE(golden.Runs.empty()) << "case.txt names no session to run";

    test::TempInstallation install;
    test::InstallOneBRCase(install, caseDir);
    ScriptedUi ui;
    TApplication application;
    TIniForm ini(ui, application, install.ProgramFileName());
    TResultForm resultForm;
    OneBROutcome outcome;
    for (const auto& session : golden.Runs) {
        TextList text;
        text.LoadFromFile(install.Root() + "Sessions\\" + session);
        outcome = RunOneBRSession(text, ini, resultForm, ui);
        EXPECT_EQ(ini.RunState, "idle") << session;
    }

    EXPECT_EQ(resultForm.ResultMemo.Lines.Lines(), golden.Result);
    EXPECT_EQ(resultForm.Memo_Last_Results.Lines.Lines(), golden.Last);
    EXPECT_EQ(test::MarkRoot(ui.Messages, install.Root()), golden.Messages)
        << test::FormatMessages(test::MarkRoot(ui.Messages, install.Root()));
    EXPECT_EQ(resultForm.Visible, outcome.Reported);
    if (outcome.Reported) {
        EXPECT_EQ(install.Read("Sessions/default.res"), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, OneBRGolden,
                         ::testing::ValuesIn(test::GoldenCases(test::OneBRCasesDir())),
                         test::GoldenName{});

}  // namespace
}  // namespace vx
