#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

#include "cli/console_ui.h"
#include "cli/vx_check.h"
#include "onebr_golden.h"
#include "platform/form.h"
#include "platform/host_path.h"
#include "platform/text_list.h"
#include "support/golden.h"

namespace fs = std::filesystem;

namespace vx::cli {
namespace {

struct CheckRun {
    int Exit = -1;
    std::string Out;
    std::string Err;
};

CheckRun Check(const std::vector<std::string>& args, const std::string& programFileName = {}) {
    std::ostringstream out;
    std::ostringstream err;
    ConsoleUi ui(err);
    ui.FixedDate = "06.12.2026";
    CheckRun run;
    run.Exit = RunVxCheck(args, programFileName, out, ui);
    run.Out = out.str();
    run.Err = err.str();
    return run;
}

std::string ReportText(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line + "\n";
    }
    return text;
}

// Every golden folder of the 1BR run through vx-check: each session in its own invocation;
// the report of the last on standard output, every message on standard error.
class VxCheckGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(VxCheckGolden, SameReportMessagesAndExitStatus) {
    const auto caseDir = test::OneBRCasesDir() / GetParam();
    const test::OneBRCase golden = test::ReadOneBRCase(caseDir);
    test::TempInstallation install;
    test::InstallOneBRCase(install, caseDir);

    CheckRun last;
    std::string messages;
    for (const auto& session : golden.Runs) {
        last = Check({"--root", install.path().string(), "1br", session});
        messages += last.Err;
    }
    test::DumpActual("onebr", GetParam(), "result.txt", last.Out);
    test::DumpActual("onebr", GetParam(), "messages.txt", test::MarkRoot(messages, install.Root()));
    EXPECT_EQ(last.Exit, golden.Exit);
    EXPECT_EQ(last.Out, last.Exit == kExitNotStarted ? "" : ReportText(golden.Result));
    EXPECT_EQ(test::MarkRoot(messages, install.Root()), test::FormatMessages(golden.Messages));
    const CheckRun json =
        Check({"--root", install.path().string(), "1br", golden.Runs.back(), "--json"});
    test::DumpActual("onebr", GetParam(), "report.json", json.Out);
    EXPECT_EQ(json.Out, test::ReadBytes(caseDir / "report.json"));
}

INSTANTIATE_TEST_SUITE_P(Cases, VxCheckGolden,
                         ::testing::ValuesIn(test::GoldenCases(test::OneBRCasesDir())),
                         test::GoldenName{});

// With --explain, before or after the session, the report is followed by the explanation and
// the smallest conflict; the search adds no message.
TEST(VxCheckExplain, TheReportIsFollowedByTheExplanationAndTheSmallestConflict) {
    int compared = 0;
    for (const std::string& name : test::GoldenCases(test::OneBRCasesDir())) {
        const auto caseDir = test::OneBRCasesDir() / name;
        const test::OneBRCase golden = test::ReadOneBRCase(caseDir);
        if (golden.Runs.size() != 1 || !golden.Explanation || !golden.Smallest) {
            continue;
        }
        test::TempInstallation install;
        test::InstallOneBRCase(install, caseDir);
        const std::string root = install.path().string();
        const CheckRun plain = Check({"--root", root, "1br", golden.Runs[0]});
        for (const auto& args : {std::vector<std::string>{"1br", "--explain", golden.Runs[0]},
                                 {"1br", golden.Runs[0], "--explain"}}) {
            std::vector<std::string> full{"--root", root};
            full.insert(full.end(), args.begin(), args.end());
            const CheckRun explained = Check(full);
            EXPECT_EQ(explained.Exit, plain.Exit) << name;
            EXPECT_EQ(explained.Err, plain.Err) << name;
            EXPECT_EQ(test::MarkRoot(explained.Out, install.Root()),
                      ReportText(golden.Result) + " \n" + ReportText(*golden.Explanation) + " \n" +
                          ReportText(*golden.Smallest))
                << name;
        }
        ++compared;
    }
    EXPECT_GE(compared, 7);
}

TEST(VxCheckExplain, ARunWithoutAConflictSaysSoAndSearchesNothing) {
    test::TempInstallation install;
    install.Write("Sessions/Calm", "//vx2.0b, \r\nS254E1WW10:\r\n");
    const CheckRun run = Check({"--root", install.path().string(), "1br", "--explain", "Calm"});
    EXPECT_EQ(run.Exit, kExitReportOk);
    EXPECT_NE(run.Out.find("SE-Results: \nS254E1WW10\n \n//Explanation: vx2.0b\n \n"
                           "The run ended without a conflict.\n"),
              std::string::npos)
        << run.Out;
    EXPECT_EQ(run.Out.find("Smallest"), std::string::npos);
}

TEST(VxCheckArguments, AnythingButRootCommandAndItsOperandsIsRefusedWithTheUsage) {
    test::TempInstallation install;
    const std::string root = install.path().string();
    const std::vector<std::vector<std::string>> refused = {
        {},
        {"--root"},
        {"--root", root},
        {"--verbose", "1br", "S"},
        {"1br"},
        {"1br", "A", "B"},
        {"1br", "--explain"},
        {"1br", "--explain", "A", "B"},
        {"2br", "A", "--explain"},
        {"3br", "A"},
        {"1br", "A", "--root", root},
        {"1br", "A", "--logic", "DefWW"},
        {"2br"},
        {"2br", "A", "--logic"},
        {"2br", "A", "--logic", ""},
        {"2br", "--logic", "DefWW", "A"},
        {"2br", "A", "--logic", "DefWW", "B"},
        {"2br", "A", "--all-matches", "--all-matches"},
        {"2br", "A", "--all-matches", "--logic"},
        {"1br", "A", "--all-matches"},
        {"deploy"},
        {"deploy", "A", "B"},
        {"deploy", "A", "--json"},
        {"1br", "--json"},
    };
    for (const auto& args : refused) {
        const CheckRun run = Check(args, install.ProgramFileName());
        EXPECT_EQ(run.Exit, kExitNotStarted) << ::testing::PrintToString(args);
        EXPECT_EQ(run.Out, "");
        EXPECT_NE(run.Err.find("usage:\n  vx-check [--root DIR] 1br [--explain] SESSION [--json]\n"
                               "  vx-check [--root DIR] 2br SESSION [--logic NAME] "
                               "[--all-matches] [--json]\n"
                               "  vx-check [--root DIR] deploy SOURCE_DIR\n--- end\n"),
                  std::string::npos)
            << run.Err;
    }
}

TEST(VxCheckArguments, AMissingSessionOrInstallationDoesNotStart) {
    test::TempInstallation install;
    const CheckRun missing = Check({"--root", install.path().string() + "/", "1br", "Nothing"});
    EXPECT_EQ(missing.Exit, kExitNotStarted);
    EXPECT_EQ(missing.Err, "vx-check: the session file " +
                               (install.path() / "Sessions" / "Nothing").string() +
                               " cannot be read\n--- end\n");

    const fs::path none = install.path() / "none";
    const CheckRun noInstallation = Check({"--root", none.string(), "1br", "A"});
    EXPECT_EQ(noInstallation.Exit, kExitNotStarted);
    EXPECT_NE(noInstallation.Err.find("Error at reading the vx.ini file."), std::string::npos)
        << noInstallation.Err;
    EXPECT_NE(noInstallation.Err.find("no vx installation found in " + none.string() +
                                      " (it "
                                      "has no System/vx.ini)"),
              std::string::npos)
        << noInstallation.Err;
    EXPECT_NE(noInstallation.Err.find("--root DIR"), std::string::npos);
}

TEST(VxCheckArguments, HelpAndVersionGoToStandardOutputAndEndWell) {
    for (const char* help : {"--help", "-h"}) {
        const CheckRun run = Check({help});
        EXPECT_EQ(run.Exit, kExitReportOk);
        EXPECT_EQ(run.Err, "");
        EXPECT_EQ(
            run.Out.rfind("usage:\n  vx-check [--root DIR] 1br [--explain] SESSION [--json]\n", 0),
            0u)
            << run.Out;
        EXPECT_NE(run.Out.find("--version"), std::string::npos);
    }
    const CheckRun version = Check({"--version"});
    EXPECT_EQ(version.Exit, kExitReportOk);
    EXPECT_EQ(version.Out, "vx-check 2.0\n");
    EXPECT_EQ(version.Err, "");
}

using Tree = std::map<std::string, std::string>;

Tree FilesBelow(const fs::path& root) {
    Tree files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            files[fs::relative(entry.path(), root).string()] = test::ReadBytes(entry.path());
        }
    }
    return files;
}

// A check reads the installation: the active-session marker, the result file and every
// session file are as they were, whether the run ends well, finds a conflict or a 2BR verdict.
TEST(VxCheckArguments, ChecksLeaveTheInstallationAsTheyFoundIt) {
    test::TempDir install;
    test::CopyTree(test::DemoDir(), install.path());
    install.Write("Temp/AktSes.ini", "[SessionNames]\r\nSessionName=Morning\r\n");
    install.Write("Sessions/default.res", "kept\r\n");
    const std::string root = install.path().string();
    const Tree before = FilesBelow(install.path());
    EXPECT_EQ(Check({"--root", root, "1br", "Morning"}).Exit, kExitReportOk);
    EXPECT_EQ(Check({"--root", root, "1br", "Conflict"}).Exit, kExitReportNotOk);
    EXPECT_EQ(Check({"--root", root, "2br", "Breakfast"}).Exit, kExitReportNotOk);
    EXPECT_EQ(Check({"--root", root, "1br", "Nothing"}).Exit, kExitNotStarted);
    EXPECT_EQ(FilesBelow(install.path()), before);
}

// A session named on the command line is read from the sessions directory only: a name that
// leads elsewhere is refused before anything is read.
TEST(VxCheckArguments, ASessionNameThatLeavesTheSessionsDirectoryIsRefused) {
    test::TempDir outer;
    test::CopyTree(test::DemoDir(), outer.path() / "vx");
    outer.Write("escape", "//vx2.0b, \r\nS12E1WW10: \r\n");
    outer.Write("vx/System/Morning", "//vx2.0b, \r\nS12E1WW10: \r\n");
    const std::string root = (outer.path() / "vx").string();
    const Tree before = FilesBelow(outer.path());
    const std::vector<std::string> names{"..\\..\\escape", "../../escape", "../System/Morning",
                                         "/etc/hostname",  "C:\\escape",   std::string(300, 'n')};
    for (const std::string& name : names) {
        for (const char* command : {"1br", "2br"}) {
            const CheckRun run = Check({"--root", root, command, name});
            EXPECT_EQ(run.Exit, kExitNotStarted) << command << " " << name;
            EXPECT_NE(run.Err.find("ist nicht erlaubt"), std::string::npos) << run.Err;
            EXPECT_EQ(run.Out, "");
        }
    }
    EXPECT_EQ(FilesBelow(outer.path()), before);
}

// The golden folders of "TS start", tests/data/ts2br/ts_start/<case>/, each run on the demo
// session Breakfast with the case's files in its directory:
//   case.txt     "logic=" the selector (absent: DefWW), "exit=" the status of vx-check,
//                "all_matches=1" runs with --all-matches;
//   session/     files copied over Sessions/_2BR_Breakfast/ (the SE list "Breakfast", the TS
//                list "Breakfast.TS", ini/*.ini);
//   results.txt  standard output: the result lists that hold more than their header line,
//                "--- results" and the lines of Memo_Results;
//   messages.txt standard error: the messages of the run (absent: none).
class VxCheckTSStartGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(VxCheckTSStartGolden, ResultListsMessagesAndExitStatus) {
    const fs::path caseDir = test::TestDataDir() / "ts2br" / "ts_start" / GetParam();
    std::string logic = "DefWW";
    int exit = -1;
    bool allMatches = false;
    for (const std::string& line : test::LinesOf(caseDir / "case.txt")) {
        if (line.rfind("logic=", 0) == 0) {
            logic = line.substr(6);
        } else if (line.rfind("exit=", 0) == 0) {
            exit = std::stoi(line.substr(5));
        } else if (line == "all_matches=1") {
            allMatches = true;
        }
    }
    test::TempDir install;
    test::CopyTree(test::DemoDir(), install.path());
    test::CopyTree(caseDir / "session", install.path() / "Sessions" / "_2BR_Breakfast");

    std::vector<std::string> args{"--root", install.path().string(), "2br", "Breakfast", "--logic",
                                  logic};
    if (allMatches) {
        args.push_back("--all-matches");
    }
    const CheckRun run = Check(args);
    args.push_back("--json");
    const CheckRun json = Check(args);
    test::DumpActual("ts_start", GetParam(), "report.json", json.Out);
    EXPECT_EQ(json.Out, test::ReadBytes(caseDir / "report.json"));
    EXPECT_EQ(run.Out, test::ReadBytes(caseDir / "results.txt"));
    EXPECT_EQ(run.Err, test::ReadBytes(caseDir / "messages.txt"));
    EXPECT_EQ(run.Exit, exit);
}

INSTANTIATE_TEST_SUITE_P(Cases, VxCheckTSStartGolden,
                         ::testing::ValuesIn(test::GoldenCases(test::TestDataDir() / "ts2br" /
                                                               "ts_start")),
                         test::GoldenName{});

// A session that is missing, or whose set-up is unfinished, does not start and writes nothing.
TEST(VxCheckTSStart, ASessionThatCannotBeOpenedForTSStartDoesNotStart) {
    test::TempDir install;
    test::CopyTree(test::DemoDir(), install.path());
    const std::string root = install.path().string();
    const CheckRun missing = Check({"--root", root, "2br", "Lunch"});
    EXPECT_EQ(missing.Exit, kExitNotStarted);
    EXPECT_EQ(missing.Out, "");
    EXPECT_EQ(test::MarkRoot(missing.Err, root + "/"),
              "Fehler beim Oeffnen oder Schliessen der Session.\n"
              "Dateinamen pruefen oder die Appliktion erneut starten...\n___\n"
              "Error opening or closing the session.\nCheck filename or restart the application.\n"
              "--- end\nvx-check: the 2BR session <root>Sessions/_2BR_Lunch/Lunch cannot be "
              "opened for TS start\n--- end\n");

    fs::remove(install.path() / "Sessions" / "_2BR_Breakfast" / "Breakfast.mpf");
    const CheckRun unfinished = Check({"--root", root, "2br", "Breakfast"});
    EXPECT_EQ(unfinished.Exit, kExitNotStarted);
    EXPECT_EQ(unfinished.Out, "");
    EXPECT_NE(unfinished.Err.find("Upgrade Step3 isnt finished yet."), std::string::npos)
        << unfinished.Err;
}

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
class VxCheckProgram : public ::testing::Test {
protected:
    VxCheckProgram() {
        test::CopyTree(test::DemoDir(), demo.path());
        fs::copy_file(VX_CHECK_PROGRAM, demo.path() / "System" / "vx-check");
    }
    CheckRun Start(const std::string& args) {
        const fs::path out = demo.path() / "Temp" / "out.txt";
        const fs::path err = demo.path() / "Temp" / "err.txt";
        const std::string command = (demo.path() / "System" / "vx-check").string() + " " + args +
                                    " >" + out.string() + " 2>" + err.string() + " </dev/null";
        const int status = std::system(command.c_str());
        CheckRun run;
        run.Exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.Out = ReadFileBytes(ToSystemPath(out));
        run.Err = ReadFileBytes(ToSystemPath(err));
        return run;
    }
    test::TempDir demo;
};

TEST_F(VxCheckProgram, TheDemoConflictIsReportedWithLineAndCycle) {
    const CheckRun run = Start("1br Conflict");
    EXPECT_EQ(run.Exit, kExitReportNotOk);
    EXPECT_EQ(run.Err, "");
    TextList report;
    report.SetText(run.Out);
    ASSERT_EQ(report.Count(), 17) << run.Out;
    EXPECT_EQ(report[0].rfind("//Session Results: vx2.0b, ", 0), 0u);
    const std::vector<std::string> rest(report.Lines().begin() + 1, report.Lines().end());
    EXPECT_EQ(rest,
              (std::vector<std::string>{
                  " ", "Result: ", "Error1: Fehler bei Satz: S254E9WW10 bei Zuweisung von W-Wert",
                  "Bei Methode:  RE11 EQ WW20", "In Zeile: 3", "In Zyklus: 0", " ",
                  "SE-Results: ", "S254E2WW10", "S254E3WW10", "S254E5WW10", "S30012E2WW10",
                  "S254E10WW10", "S254E11WW10", "S254E12WW10", "S254E9WW10"}));
    EXPECT_EQ(Start("--root " + demo.path().string() + " 1br Conflict").Out, run.Out);
}

}  // namespace
}  // namespace vx::cli
