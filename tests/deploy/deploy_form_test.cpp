#include <gtest/gtest.h>

#include "deploy/deploy_form.h"
#include "deploy_golden.h"
#include "platform/text_list.h"
#include "support/golden.h"
#include "support/installed.h"

namespace vx {
namespace {

const char* const kCommented = "E1: kept\r\n<note>\r\n";

// The deploy window as the menu opens it: `action` runs inside the modal window.
class DeployForm : public ::testing::Test {
protected:
    void OpenAnd(std::function<void()> action) {
        installed.ui.QueueDialog([action](ModalForm&) { action(); }, "TDeployForm");
        form.deploy();
    }
    std::string WithRootMarked(const std::string& text) const {
        return test::ReplaceAll(text, installed.install.Root(), "<root>");
    }

    test::Installed installed;
    TDeployForm form{installed.ui, installed.ini, [] { return false; }};
};

// Every golden folder through the window: the deploy folder is offered first, Start pressed.
class DeployGolden : public DeployForm, public ::testing::WithParamInterface<std::string> {};

TEST_P(DeployGolden, ReportMessagesAndStagedFiles) {
    const test::DeployCase golden = test::ReadDeployCase(GetParam());
    test::InstallDeployCase(installed.install, golden);
    {
        const auto limit = test::StagingLimit(golden);
        OpenAnd([this] { form.ButtonStartClick(); });
    }
    TextList report;
    report.SetText(WithRootMarked(form.MemoDeploy.Lines.Text()));
    test::DumpActual("deploy", GetParam(), "report.txt", report.Text());
    EXPECT_EQ(report.Lines(), golden.Report);
    EXPECT_EQ(WithRootMarked(test::FormatMessages(installed.ui.Messages)),
              test::FormatMessages(golden.Messages));
    EXPECT_EQ(form.Outcome(), golden.Exit == 0   ? DeployOutcome::Clean
                              : golden.Exit == 1 ? DeployOutcome::SourceError
                                                 : DeployOutcome::NotRun);
    EXPECT_EQ(test::StagingDifferences(installed.install, golden), std::vector<std::string>{});
    EXPECT_EQ(test::SourceDifferences(installed.install, golden), std::vector<std::string>{});
    EXPECT_TRUE(installed.ui.Unexpected.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, DeployGolden,
                         ::testing::ValuesIn(test::GoldenCases(test::DeployCasesDir())),
                         test::GoldenName{});

TEST_F(DeployForm, OpeningOffersTheDeployFolderAndTheRootFirstAndOnlyOnce) {
    const std::string deployPath = installed.ini.DeployPath;
    ASSERT_EQ(deployPath, installed.install.Root() + "Temp\\deploy\\");
    OpenAnd([this] { form.ComboBoxSource.Text = "elsewhere\\"; });
    OpenAnd([] {});
    EXPECT_EQ(form.ComboBoxSource.Items, std::vector<std::string>{deployPath});
    EXPECT_EQ(form.ComboBoxSource.Text, deployPath);
    EXPECT_EQ(form.ComboBoxDest.Items, std::vector<std::string>{installed.install.Root()});
}

TEST_F(DeployForm, AnEmptySourceFindsNoFileInsteadOfSearchingTheWorkingFolder) {
    OpenAnd([this] {
        form.ComboBoxSource.Text.clear();
        form.ButtonStartClick();
    });
    EXPECT_EQ(form.MemoDeploy.Lines[2], "NoFile");
    EXPECT_EQ(installed.ui.Messages,
              std::vector<std::string>{"Keine Date gefunden.\r___\rNo File found. "});
    EXPECT_EQ(form.Outcome(), DeployOutcome::NotRun);
}

// Staging the staging folder onto itself would replace the person's files by cleaned copies.
TEST_F(DeployForm, TheStagingFolderAsSourceIsRefusedAndItsFilesStayAsTheyAre) {
    installed.install.Write("Temp/imports/B.txt", kCommented);
    OpenAnd([this] {
        form.ComboBoxSource.Text = installed.ini.ImportsPath;
        form.ButtonStartClick();
    });
    EXPECT_EQ(installed.install.Read("Temp/imports/B.txt"), kCommented);
    ASSERT_EQ(installed.ui.Messages.size(), 1u);
    EXPECT_NE(installed.ui.Messages[0].find("The source directory is the temp\\imports directory"),
              std::string::npos);
    EXPECT_EQ(form.MemoDeploy.Lines[1], installed.ini.ImportsPath);
    EXPECT_EQ(form.Outcome(), DeployOutcome::NotRun);
}

}  // namespace
}  // namespace vx
