#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

#include "app/vx_app.h"
#include "cli/console_ui.h"
#include "cli/vx_check.h"
#include "deploy_golden.h"
#include "onebr_golden.h"
#include "platform/form.h"
#include "platform/scripted_ui.h"
#include "support/file_tree.h"
#include "support/golden.h"

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace vx::cli {
namespace {

using Lines = std::vector<std::string>;

struct CheckRun {
    int Exit = -1;
    std::string Out;
    std::string Err;
};

// vx-check in this process; `root`, when given, comes first as "--root".
CheckRun Check(Lines args, const std::string& root = {}, const std::string& programFileName = {}) {
    if (!root.empty()) {
        args.insert(args.begin(), {"--root", root});
    }
    std::ostringstream out, err;
    ConsoleUi ui(err);
    ui.FixedDate = "06.12.2026";
    const int exit = RunVxCheck(args, programFileName, out, ui);
    return {exit, out.str(), err.str()};
}

// The lines, each ended by "\n".
std::string Text(const Lines& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line + "\n";
    }
    return text;
}

const fs::path kHelp = test::TestDataDir() / "cli" / "help.txt";

// Every golden folder of the 1BR run through vx-check: each session in its own invocation;
// the report of the last on standard output, every message on standard error. With
// --explain, before or after the session, the report is followed by the explanation and the
// smallest conflict, and the search adds no message.
class VxCheckGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(VxCheckGolden, SameReportMessagesAndExitStatus) {
    const auto caseDir = test::OneBRCasesDir() / GetParam();
    const test::OneBRCase golden = test::ReadOneBRCase(caseDir);
    test::TempInstallation install;
    test::InstallOneBRCase(install, caseDir);
    const std::string root = install.path().string();
    CheckRun last;
    std::string messages;
    for (const auto& session : golden.Runs) {
        last = Check({"1br", session}, root);
        messages += test::MarkRoot(last.Err, install.Root());
    }
    const CheckRun json = Check({"1br", golden.Runs.back(), "--json"}, root);
    test::DumpActual("onebr", GetParam(), "result.txt", last.Out);
    test::DumpActual("onebr", GetParam(), "messages.txt", messages);
    test::DumpActual("onebr", GetParam(), "report.json", json.Out);
    EXPECT_EQ(last.Exit, golden.Exit);
    EXPECT_EQ(last.Out, last.Exit == kExitNotStarted ? "" : Text(golden.Result));
    EXPECT_EQ(messages, test::FormatMessages(golden.Messages));
    EXPECT_EQ(json.Out, test::ReadBytes(caseDir / "report.json"));
    if (golden.Runs.size() != 1 || !golden.Explanation) {
        return;
    }
    for (const auto& args :
         {Lines{"1br", "--explain", golden.Runs[0]}, {"1br", golden.Runs[0], "--explain"}}) {
        const CheckRun explained = Check(args, root);
        EXPECT_EQ(explained.Exit, last.Exit);
        EXPECT_EQ(explained.Err, last.Err);
        EXPECT_EQ(test::MarkRoot(explained.Out, install.Root()),
                  Text(golden.Result) + " \n" + Text(*golden.Explanation) +
                      (golden.Smallest ? " \n" + Text(*golden.Smallest) : ""));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, VxCheckGolden,
                         ::testing::ValuesIn(test::GoldenCases(test::OneBRCasesDir())),
                         test::GoldenName{});

TEST(VxCheckArguments, AnythingButRootCommandAndItsOperandsIsRefusedWithTheUsage) {
    test::TempInstallation install;
    const std::string root = install.path().string();
    const Lines help = test::LinesOf(kHelp);
    for (const std::string& invocation :
         test::LinesOf(test::TestDataDir() / "cli" / "refused_invocations.txt")) {
        Lines args = test::Words(invocation);
        for (std::string& arg : args) {
            arg = arg == "R" ? root : arg == "''" ? "" : arg;
        }
        args = invocation == "(none)" ? Lines{} : args;
        const CheckRun run = Check(args, {}, install.ProgramFileName());
        EXPECT_EQ(run.Exit, kExitNotStarted) << ::testing::PrintToString(args);
        EXPECT_EQ(run.Out, "");
        EXPECT_NE(run.Err.find(Text(Lines(help.begin(), help.begin() + 4)) + "--- end\n"),
                  std::string::npos)
            << run.Err;
    }
}

TEST(VxCheckArguments, AMissingSessionOrInstallationDoesNotStart) {
    test::TempInstallation install;
    const std::string root = install.path().string();
    const CheckRun missing = Check({"1br", "Nothing"}, root + "/");
    const CheckRun none = Check({"1br", "A"}, root + "/none");
    EXPECT_EQ(missing.Exit, kExitNotStarted);
    EXPECT_EQ(none.Exit, kExitNotStarted);
    EXPECT_EQ(test::MarkRoot(missing.Err + none.Err, root),
              test::ReadBytes(test::TestDataDir() / "cli" / "not_started.txt"));
}

TEST(VxCheckArguments, HelpAndVersionGoToStandardOutputAndEndWell) {
    for (const std::string ask : {"--help", "-h", "--version"}) {
        const CheckRun run = Check({ask});
        EXPECT_EQ(run.Exit, kExitReportOk);
        EXPECT_EQ(run.Err, "");
        EXPECT_EQ(run.Out, ask == "--version" ? "vx-check 2.0\n" : test::ReadBytes(kHelp));
    }
}

// A check only reads the installation: the active-session marker, the result file and every
// session file are as they were, whether the run ends well, finds a conflict or a 2BR verdict.
// A session is read from the sessions directory only: a name that leads elsewhere is refused
// before anything is read.
TEST(VxCheckArguments, ChecksLeaveTheInstallationAsTheyFoundItAndReadNothingOutside) {
    test::TempDir outer;
    test::CopyTree(test::DemoDir(), outer.path() / "vx");
    outer.Write("escape", "//vx2.0b, \r\nS12E1WW10: \r\n");
    outer.Write("vx/System/Morning", "//vx2.0b, \r\nS12E1WW10: \r\n");
    outer.Write("vx/Temp/AktSes.ini", "[SessionNames]\r\nSessionName=Morning\r\n");
    outer.Write("vx/Sessions/default.res", "kept\r\n");
    const std::string root = (outer.path() / "vx").string();
    const auto before = test::FilesBelow(outer.path());
    EXPECT_EQ(Check({"1br", "Morning"}, root).Exit, kExitReportOk);
    EXPECT_EQ(Check({"1br", "Conflict"}, root).Exit, kExitReportNotOk);
    EXPECT_EQ(Check({"2br", "Breakfast"}, root).Exit, kExitReportNotOk);
    EXPECT_EQ(Check({"1br", "Nothing"}, root).Exit, kExitNotStarted);
    for (const std::string& name : {"..\\..\\escape"s, "../../escape"s, "../System/Morning"s,
                                    "/etc/hostname"s, "C:\\escape"s, std::string(300, 'n')}) {
        for (const char* command : {"1br", "2br"}) {
            const CheckRun run = Check({command, name}, root);
            EXPECT_EQ(run.Exit, kExitNotStarted) << command << " " << name;
            EXPECT_NE(run.Err.find("ist nicht erlaubt"), std::string::npos) << run.Err;
            EXPECT_EQ(run.Out, "");
        }
    }
    EXPECT_EQ(test::FilesBelow(outer.path()), before);
}

// The golden folders of "TS start", each run on a demo session with the case's files in its
// directory; tests/data/ts2br/ts_start/README.txt describes them.
class VxCheckTSStartGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(VxCheckTSStartGolden, ResultListsMessagesAndExitStatus) {
    const fs::path caseDir = test::TestDataDir() / "ts2br" / "ts_start" / GetParam();
    test::DemoCopy install;
    const fs::path folder = install.path() / "Sessions" / "_2BR_Breakfast";
    if (fs::exists(caseDir / "session")) {
        test::CopyTree(caseDir / "session", folder);
    }
    std::map<std::string, std::string> key{{"session", "Breakfast"}, {"logic", "DefWW"}};
    for (const std::string& line : test::LinesOf(caseDir / "case.txt")) {
        key[line.substr(0, line.find('='))] = line.substr(line.find('=') + 1);
    }
    Lines args{"2br", key["session"], "--logic", key["logic"]};
    if (key["all_matches"] == "1") {
        args.push_back("--all-matches");
    }
    if (!key["remove"].empty()) {
        fs::remove(folder / key["remove"]);
    }
    const std::string root = install.path().string();
    const CheckRun run = Check(args, root);
    args.push_back("--json");
    const CheckRun json = Check(args, root);
    test::DumpActual("ts_start", GetParam(), "report.json", json.Out);
    EXPECT_EQ(json.Out, test::ReadBytes(caseDir / "report.json"));
    EXPECT_EQ(run.Out, test::ReadBytes(caseDir / "results.txt"));
    EXPECT_EQ(test::MarkRoot(run.Err, root + "/"), test::ReadBytes(caseDir / "messages.txt"));
    EXPECT_EQ(run.Exit, std::stoi(key["exit"]));
}

INSTANTIATE_TEST_SUITE_P(Cases, VxCheckTSStartGolden,
                         ::testing::ValuesIn(test::GoldenCases(test::TestDataDir() / "ts2br" /
                                                               "ts_start")),
                         test::GoldenName{});

// Every deploy golden folder through vx-check: the report on standard output, the messages on
// standard error, and the exit status of the case.
class VxCheckDeployGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(VxCheckDeployGolden, SameReportMessagesAndExitStatus) {
    const test::DeployCase golden = test::ReadDeployCase(GetParam());
    test::TempInstallation install;
    test::InstallDeployCase(install, golden);
    CheckRun run;
    {
        const auto limit = test::StagingLimit(golden);
        run = Check({"deploy", (install.path() / "Temp" / "deploy").string()},
                    install.path().string());
    }
    EXPECT_EQ(run.Exit, golden.Exit);
    EXPECT_EQ(test::MarkRoot(run.Out, install.Root()), Text(golden.Report));
    EXPECT_EQ(test::MarkRoot(run.Err, install.Root()), test::FormatMessages(golden.Messages));
    EXPECT_EQ(test::StagingDifferences(install, golden), Lines{});
}

INSTANTIATE_TEST_SUITE_P(Cases, VxCheckDeployGolden,
                         ::testing::ValuesIn(test::GoldenCases(test::DeployCasesDir())),
                         test::GoldenName{});

TEST(ConsoleUiTest, QuestionsAndDialogsAreWrittenAndAnsweredCancel) {
    std::ostringstream err;
    ConsoleUi ui(err);
    EXPECT_EQ(ui.AskYesNoCancel("Speichern?\r___\rSave?"), ModalResult::Cancel);
    TForm dialog("TNeueSessionForm", "Neue Session");
    EXPECT_EQ(ui.ShowModal(dialog), ModalResult::Cancel);
    EXPECT_EQ(err.str(), "Speichern?\n___\nSave?\n--- end\nNeue Session\n--- end\n");
    EXPECT_FALSE(ui.ShortDateToday().empty());
}

// The built program inside a copy of the demo installation, started as a person would.
TEST(VxCheckProgram, FindsItsInstallationReportsAsInThisProcessAndStagesTheDemoFolder) {
    test::DemoCopy demo;
    fs::copy_file(VX_CHECK_PROGRAM, demo.path() / "System" / "vx-check");
    const auto start = [&demo](const std::string& directory, const std::string& args) {
        const std::string out = (demo.path() / "Log" / "out.txt").string();
        const std::string command = "cd " + directory + " && " + demo.path().string() +
                                    "/System/vx-check " + args + " >" + out + " 2>" + out + ".err";
        const int status = std::system(command.c_str());
        return CheckRun{WIFEXITED(status) ? WEXITSTATUS(status) : -1, test::ReadBytes(out),
                        test::ReadBytes(out + ".err")};
    };
    // From elsewhere, with or without --root: the report of the check in this process, but for
    // the date of its first line.
    const std::string inProcess = Check({"1br", "Conflict"}, demo.path().string()).Out;
    for (const std::string& args :
         {"1br Conflict"s, "--root " + demo.path().string() + " 1br Conflict"}) {
        const CheckRun run = start("/", args);
        EXPECT_EQ(run.Exit, kExitReportNotOk);
        EXPECT_EQ(run.Err, "");
        EXPECT_EQ(run.Out.rfind("//Session Results: vx2.0b, ", 0), 0u) << run.Out;
        EXPECT_EQ(run.Out.substr(run.Out.find('\n')), inProcess.substr(inProcess.find('\n')));
    }
    // In the installation, a folder named relative to it: the files before the demo's error
    // file are staged and that error is reported.
    const CheckRun deployed = start(demo.path().string(), "deploy Deploy");
    EXPECT_EQ(deployed.Exit, kExitReportNotOk);
    EXPECT_EQ(test::MarkRoot(deployed.Out + deployed.Err, demo.Root()),
              Text(test::LinesOf(test::DeployCasesDir() / "demo_report.txt")));
    EXPECT_TRUE(demo.Exists("Temp/imports/S308.txt") && demo.Exists("Temp/imports/S310.txt"));
    EXPECT_FALSE(demo.Exists("Temp/imports/S312.txt"));
}

void SaveResultAs(ScriptedUi& ui, VxApp& app, const std::string& name) {
    ui.QueueDialog(
        [name](ModalForm& dialog) {
            auto& form = dynamic_cast<TSaveAsResForm&>(dialog);
            form.EditSaveAsRes.Text = name;
            form.ButtonOKClick();
        },
        "TSaveAsResForm");
    app.MenueForm.Click("ResultSave");
}

// "Result save" in the window writes what vx-check writes, as JSON and as text (CRLF lines).
TEST(ReportJson, ResultSaveWritesWhatVxCheckWritesFor1BRAnd2BR) {
    test::DemoCopy demo;
    const std::string root = demo.path().string();
    // What vx-check writes for the files that "Result save" writes.
    std::map<std::string, std::string> checked{
        {"c.json", Check({"1br", "Conflict", "--json"}, root).Out},
        {"c.txt", test::ReplaceAll(Check({"1br", "Conflict"}, root).Out, "\n", "\r\n")},
        {"b.JSON", Check({"2br", "Breakfast", "--json"}, root).Out},
        {"b.res", test::ReplaceAll(Check({"2br", "Breakfast"}, root).Out, "\n", "\r\n")}};
    ScriptedUi ui;
    VxApp app(ui, demo.ProgramFileName());
    ASSERT_TRUE(app.SessionForm.OpenSession("Conflict", false, ""));
    app.SessionForm.SessionStartButtonClick();
    SaveResultAs(ui, app, "c.json");
    SaveResultAs(ui, app, "c.txt");
    app.SessionForm.FormClose();
    const std::string directory = app.IniForm.SessionsPath + "_2BR_Breakfast";
    ASSERT_TRUE(app.SessionForm.OpenSession("Breakfast", true, directory));
    app.SessionForm.ComboBoxSelectLogic.Text = "DefWW";
    app.SessionForm.ButtonTSStartClick();
    SaveResultAs(ui, app, "b.JSON");
    SaveResultAs(ui, app, "b.res");
    for (const auto& [name, bytes] : checked) {
        EXPECT_NE(bytes, "") << name;
        EXPECT_EQ(demo.Read("Sessions/" + name), bytes) << name;
    }
    EXPECT_NE(checked["b.JSON"].find("\"mode\": \"2BR\""), std::string::npos);
}

}  // namespace
}  // namespace vx::cli
