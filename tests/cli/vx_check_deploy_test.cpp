#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "cli/console_ui.h"
#include "cli/vx_check.h"
#include "deploy_golden.h"
#include "support/golden.h"

namespace fs = std::filesystem;

namespace vx::cli {
namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line + "\n";
    }
    return text;
}

// Every deploy golden folder through vx-check: the report on standard output, the messages on
// standard error, and the exit status of the case.
class VxCheckDeployGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(VxCheckDeployGolden, SameReportMessagesAndExitStatus) {
    const test::DeployCase golden = test::ReadDeployCase(GetParam());
    test::TempInstallation install;
    test::InstallDeployCase(install, golden);
    std::ostringstream out;
    std::ostringstream err;
    ConsoleUi ui(err);
    int exit = -1;
    {
        const auto limit = test::StagingLimit(golden);
        exit = RunVxCheck({"--root", install.path().string(), "deploy",
                           (install.path() / "Temp" / "deploy").string()},
                          {}, out, ui);
    }
    EXPECT_EQ(exit, golden.Exit);
    EXPECT_EQ(test::ReplaceAll(out.str(), install.Root(), "<root>"), Joined(golden.Report));
    EXPECT_EQ(test::ReplaceAll(err.str(), install.Root(), "<root>"),
              test::FormatMessages(golden.Messages));
    EXPECT_EQ(test::StagingDifferences(install, golden), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Cases, VxCheckDeployGolden,
                         ::testing::ValuesIn(test::GoldenCases(test::DeployCasesDir())),
                         test::GoldenName{});

// The program in a copy of the demo, started in the installation with the folder named
// relative to it, stages the files before the demo's error file and reports that error.
TEST(VxCheckDeployProgram, TheDemoFolderGivesTheDemoReport) {
    test::DemoCopy demo;
    fs::copy_file(VX_CHECK_PROGRAM, demo.path() / "System" / "vx-check");
    const fs::path out = demo.path() / "Log" / "out.txt";
    const std::string command = "cd " + demo.path().string() +
                                " && System/vx-check deploy Deploy >" + out.string() +
                                " 2>&1 </dev/null";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), kExitReportNotOk);
    EXPECT_EQ(test::ReplaceAll(test::ReadBytes(out), demo.Root(), "<root>"),
              Joined(test::LinesOf(test::DeployCasesDir() / "demo_report.txt")));
    EXPECT_TRUE(demo.Exists("Temp/imports/S308.txt"));
    EXPECT_TRUE(demo.Exists("Temp/imports/S310.txt"));
    EXPECT_FALSE(demo.Exists("Temp/imports/S312.txt"));
}

}  // namespace
}  // namespace vx::cli
