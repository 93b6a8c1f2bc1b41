#include <gtest/gtest.h>

#include "deploy/deploy_form.h"
#include "deploy_golden.h"
#include "platform/text_list.h"
#include "support/golden.h"
#include "support/installed.h"

namespace vx {
namespace {

DeployOutcome OutcomeOfExit(int exit) {
    return exit == 0 ? DeployOutcome::Clean
                     : (exit == 1 ? DeployOutcome::SourceError : DeployOutcome::NotRun);
}

// Every golden folder through the window: opened as the menu opens it (the deploy folder is
// offered first), Start pressed inside the modal window.
class DeployGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(DeployGolden, ReportMessagesAndStagedFiles) {
    const test::DeployCase golden = test::ReadDeployCase(GetParam());
    test::Installed installed;
    test::InstallDeployCase(installed.install, golden);
    TDeployForm form(installed.ui, installed.ini, [] { return false; });
    installed.ui.QueueDialog([&form](ModalForm&) { form.ButtonStartClick(); }, "TDeployForm");
    {
        const auto limit = test::StagingLimit(golden);
        form.deploy();
    }

    const std::string root = installed.install.Root();
    const auto report = test::WithRootMarked(form.MemoDeploy.Lines.Lines(), root);
    const auto messages = test::WithRootMarked(installed.ui.Messages, root);
    TextList reportLines;
    reportLines.Assign(report);
    test::DumpActual("deploy", GetParam(), "report.txt", reportLines.Text());
    EXPECT_EQ(report, golden.Report);
    EXPECT_EQ(messages, golden.Messages);
    EXPECT_EQ(form.Outcome(), OutcomeOfExit(golden.Exit));
    EXPECT_EQ(test::StagingDifferences(installed.install, golden), std::vector<std::string>{});
    EXPECT_EQ(test::SourceDifferences(installed.install, golden), std::vector<std::string>{});
    EXPECT_TRUE(installed.ui.Unexpected.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, DeployGolden,
                         ::testing::ValuesIn(test::GoldenCases(test::DeployCasesDir())),
                         test::GoldenName{});

}  // namespace
}  // namespace vx
