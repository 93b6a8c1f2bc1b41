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
using Tree = std::map<std::string, std::string>;
using test::FilesBelow;

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

// The help text; its first four lines are the usage.
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
    const std::string session = golden.Runs[0];
    for (const auto& args : {Lines{"1br", "--explain", session}, {"1br", session, "--explain"}}) {
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
        if (invocation[0] == '#') {
            continue;
        }
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
    const CheckRun missing = Check({"1br", "Nothing"}, install.path().string() + "/");
    EXPECT_EQ(missing.Exit, kExitNotStarted);
    EXPECT_EQ(missing.Err, "vx-check: the session file " +
                               (install.path() / "Sessions" / "Nothing").string() +
                               " cannot be read\n--- end\n");
    const fs::path none = install.path() / "none";
    const CheckRun noInstallation = Check({"1br", "A"}, none.string());
    EXPECT_EQ(noInstallation.Exit, kExitNotStarted);
    for (const std::string& said :
         {"Error at reading the vx.ini file."s, "--root DIR"s,
          "no vx installation found in " + none.string() + " (it has no System/vx.ini)"}) {
        EXPECT_NE(noInstallation.Err.find(said), std::string::npos) << noInstallation.Err;
    }
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
    const Tree before = FilesBelow(outer.path());
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
    EXPECT_EQ(FilesBelow(outer.path()), before);
}

// The golden folders of "TS start", each run on a demo session with the case's files in its
// directory; tests/data/ts2br/ts_start/README.txt describes them.
class VxCheckTSStartGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(VxCheckTSStartGolden, ResultListsMessagesAndExitStatus) {
    const fs::path caseDir = test::TestDataDir() / "ts2br" / "ts_start" / GetParam();
    Lines args{"2br", "Breakfast", "--logic", "DefWW"};
    int exit = -1;
    test::DemoCopy install;
    const fs::path folder = install.path() / "Sessions" / "_2BR_Breakfast";
    if (fs::exists(caseDir / "session")) {
        test::CopyTree(caseDir / "session", folder);
    }
    for (const std::string& line : test::LinesOf(caseDir / "case.txt")) {
        const std::string key = line.substr(0, line.find('=')), value = line.substr(key.size() + 1);
        if (key == "logic" || key == "session") {
            args[key == "logic" ? 3 : 1] = value;
        } else if (key == "exit") {
            exit = std::stoi(value);
        } else if (key == "remove") {
            fs::remove(folder / value);
        } else if (line == "all_matches=1") {
            args.push_back("--all-matches");
        }
    }
    const std::string root = install.path().string();
    const CheckRun run = Check(args, root);
    args.push_back("--json");
    const CheckRun json = Check(args, root);
    test::DumpActual("ts_start", GetParam(), "results.txt", run.Out);
    test::DumpActual("ts_start", GetParam(), "messages.txt", test::MarkRoot(run.Err, root + "/"));
    test::DumpActual("ts_start", GetParam(), "report.json", json.Out);
    EXPECT_EQ(json.Out, test::ReadBytes(caseDir / "report.json"));
    EXPECT_EQ(run.Out, test::ReadBytes(caseDir / "results.txt"));
    EXPECT_EQ(test::MarkRoot(run.Err, root + "/"), test::ReadBytes(caseDir / "messages.txt"));
    EXPECT_EQ(run.Exit, exit);
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

// The built program inside a copy of the demo installation, started as a person would from
// `directory`: it finds its installation beside itself, and reports as the check in this
// process does (but for the date of the first line).
class VxCheckProgram : public ::testing::Test {
protected:
    VxCheckProgram() { fs::copy_file(VX_CHECK_PROGRAM, demo.path() / "System" / "vx-check"); }
    CheckRun Start(const std::string& directory, const std::string& args) {
        const fs::path out = demo.path() / "Log" / "out.txt";
        const fs::path err = demo.path() / "Log" / "err.txt";
        const std::string command = "cd " + directory + " && " +
                                    (demo.path() / "System" / "vx-check").string() + " " + args +
                                    " >" + out.string() + " 2>" + err.string() + " </dev/null";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, test::ReadBytes(out),
                test::ReadBytes(err)};
    }
    test::DemoCopy demo;
};

TEST_F(VxCheckProgram, TheDemoConflictIsReportedWithLineAndCycle) {
    const CheckRun run = Start("/", "1br Conflict");
    EXPECT_EQ(run.Exit, kExitReportNotOk);
    EXPECT_EQ(run.Err, "");
    const std::string inProcess = Check({"1br", "Conflict"}, demo.path().string()).Out;
    ASSERT_EQ(run.Out.rfind("//Session Results: vx2.0b, ", 0), 0u) << run.Out;
    EXPECT_EQ(run.Out.substr(run.Out.find('\n')), inProcess.substr(inProcess.find('\n')));
    EXPECT_NE(run.Out.find("Error1: Fehler bei Satz: S254E9WW10"), std::string::npos);
    EXPECT_EQ(Start("/", "--root " + demo.path().string() + " 1br Conflict").Out, run.Out);
}

// Started in the installation with the folder named relative to it, the program stages the
// files before the demo's error file and reports that error.
TEST_F(VxCheckProgram, TheDemoFolderGivesTheDemoReport) {
    const CheckRun run = Start(demo.path().string(), "deploy Deploy");
    EXPECT_EQ(run.Exit, kExitReportNotOk);
    EXPECT_EQ(test::MarkRoot(run.Out + run.Err, demo.Root()),
              Text(test::LinesOf(test::DeployCasesDir() / "demo_report.txt")));
    EXPECT_TRUE(demo.Exists("Temp/imports/S308.txt"));
    EXPECT_TRUE(demo.Exists("Temp/imports/S310.txt"));
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
    const std::string json1BR = Check({"1br", "Conflict", "--json"}, root).Out;
    const std::string text1BR = Check({"1br", "Conflict"}, root).Out;
    const std::string json2BR = Check({"2br", "Breakfast", "--json"}, root).Out;
    const std::string text2BR = Check({"2br", "Breakfast"}, root).Out;
    ASSERT_NE(json1BR.find("\"mode\": \"1BR\""), std::string::npos);
    ASSERT_NE(json2BR.find("\"mode\": \"2BR\""), std::string::npos);

    ScriptedUi ui;
    VxApp app(ui, demo.ProgramFileName());
    ASSERT_TRUE(app.SessionForm.OpenSession("Conflict", false, ""));
    app.SessionForm.SessionStartButtonClick();
    SaveResultAs(ui, app, "c.json");
    SaveResultAs(ui, app, "c.txt");
    EXPECT_EQ(demo.Read("Sessions/c.json"), json1BR);
    EXPECT_EQ(demo.Read("Sessions/c.txt"), test::ReplaceAll(text1BR, "\n", "\r\n"));

    app.SessionForm.FormClose();
    const std::string directory = app.IniForm.SessionsPath + "_2BR_Breakfast";
    ASSERT_TRUE(app.SessionForm.OpenSession("Breakfast", true, directory));
    app.SessionForm.ComboBoxSelectLogic.Text = "DefWW";
    app.SessionForm.ButtonTSStartClick();
    SaveResultAs(ui, app, "b.JSON");
    SaveResultAs(ui, app, "b.res");
    EXPECT_EQ(demo.Read("Sessions/b.JSON"), json2BR);
    EXPECT_EQ(demo.Read("Sessions/b.res"), test::ReplaceAll(text2BR, "\n", "\r\n"));
}

}  // namespace
}  // namespace vx::cli
