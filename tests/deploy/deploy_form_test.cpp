#include <gtest/gtest.h>

#include "deploy/deploy_form.h"
#include "support/installed.h"

namespace vx {
namespace {

const char* const kCommented = "E1: kept\r\n<note>\r\n";

class DeployForm : public ::testing::Test {
protected:
    // Opens the window as the menu does and runs `action` inside it.
    void OpenAnd(std::function<void()> action) {
        installed.ui.QueueDialog([action](ModalForm&) { action(); }, "TDeployForm");
        form.deploy();
    }
    std::vector<std::string> Report() const { return form.MemoDeploy.Lines.Lines(); }

    test::Installed installed;
    TDeployForm form{installed.ui, installed.ini, [] { return false; }};
};

TEST_F(DeployForm, OpeningOffersTheDeployFolderAndTheRootFirstAndOnlyOnce) {
    const std::string deployPath = installed.ini.DeployPath;
    ASSERT_EQ(deployPath, installed.install.Root() + "Temp\\deploy\\");
    OpenAnd([this] { form.ComboBoxSource.Text = "elsewhere\\"; });
    OpenAnd([] {});
    EXPECT_EQ(form.ComboBoxSource.Items, std::vector<std::string>{deployPath});
    EXPECT_EQ(form.ComboBoxSource.Text, deployPath);
    EXPECT_EQ(form.ComboBoxDest.Items, std::vector<std::string>{installed.install.Root()});
    EXPECT_EQ(form.ComboBoxImpType.Items.size(), 5u);
    EXPECT_EQ(form.ComboBoxImpType.ItemIndex, -1);
    EXPECT_EQ(installed.ui.Dialogs, (std::vector<std::string>{"TDeployForm", "TDeployForm"}));
}

TEST_F(DeployForm, AnEmptySourceFindsNoFileInsteadOfSearchingTheWorkingFolder) {
    OpenAnd([this] {
        form.ComboBoxSource.Text.clear();
        form.ButtonStartClick();
    });
    EXPECT_EQ(Report()[2], "NoFile");
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
    EXPECT_EQ(Report()[1], installed.ini.ImportsPath);
    EXPECT_EQ(form.Outcome(), DeployOutcome::NotRun);
}

}  // namespace
}  // namespace vx
