#include <gtest/gtest.h>

#include <filesystem>

#include "support/golden.h"
#include "support/temp_dir.h"
#include "support/ts_workload.h"
#include "ts_fixture.h"

namespace fs = std::filesystem;

// Golden folders of the 2BR steps of the default WW logic:
// tests/data/ts2br/analysis/<suite>/<case>/
//   lines.txt      the lines of the DefWW result list below its header line
//   targets.txt    "<SE>=<value>": the target value of each SE (an SE without one: -1)
//   Main.ini, Logic.ini   optional: they replace the demo session's files
//   expected.txt   the result-list lines with their verdicts, a line "--- target" followed by
//                  the findings of the syntax check, a line "--- results" followed by
//                  "<step>=<result>" for every step run
//   messages.txt   the message boxes in order (absent: none)
// Every case runs twice, with the compiled search and with the walk over the layers; both
// must give what the folder expects.
namespace vx {
namespace {

std::map<std::string, int> Targets(const fs::path& file) {
    std::map<std::string, int> targets;
    for (const std::string& line : test::LinesOf(file)) {
        const auto eq = line.find('=');
        if (eq != std::string::npos) {
            targets[line.substr(0, eq)] = std::stoi(line.substr(eq + 1));
        }
    }
    return targets;
}

LogicModel CaseLogic(const fs::path& caseDir, ScriptedUi& ui) {
    test::TempDir dir;
    test::CopyTree(test::DemoDir() / "Sessions" / "_2BR_Breakfast" / "ini", dir.path());
    for (const char* file : {"Main.ini", "Logic.ini"}) {
        if (fs::exists(caseDir / file)) {
            fs::copy_file(caseDir / file, dir.path() / file, fs::copy_options::overwrite_existing);
        }
    }
    return test::LoadLogic(dir.path(), ui);
}

std::vector<std::string> Flatten(const ts_workload::LogicRun& run) {
    std::vector<std::string> out = run.lines;
    out.push_back("--- target");
    out.insert(out.end(), run.target.begin(), run.target.end());
    out.push_back("--- results");
    out.insert(out.end(), run.results.begin(), run.results.end());
    return out;
}

class GoldenTS2BR : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenTS2BR, Case) {
    const fs::path caseDir = test::TestDataDir() / "ts2br" / "analysis" / GetParam();
    ScriptedUi loadUi;
    const LogicModel logic = CaseLogic(caseDir, loadUi);
    ASSERT_EQ(loadUi.Messages, std::vector<std::string>{}) << "the case's logic must load";
    const auto lines = test::LinesOf(caseDir / "lines.txt");
    const auto targets = Targets(caseDir / "targets.txt");
    const auto expected = test::LinesOf(caseDir / "expected.txt");
    const auto messages = test::ReadMessagesFile(caseDir / "messages.txt");
    for (auto evaluation : {ts_workload::Evaluation::Compiled, ts_workload::Evaluation::Walk}) {
        test::AnalsFixture f(logic);
        const auto actual = Flatten(ts_workload::RunDefWW(f.anals, lines, targets, evaluation));
        test::DumpActual("analysis", GetParam(), "expected.txt", test::Joined(actual));
        test::DumpActual("analysis", GetParam(), "messages.txt",
                         test::FormatMessages(f.ui.Messages));
        EXPECT_EQ(actual, expected);
        EXPECT_EQ(f.ui.Messages, messages) << test::FormatMessages(f.ui.Messages);
    }
}

INSTANTIATE_TEST_SUITE_P(Folders, GoldenTS2BR,
                         ::testing::ValuesIn(test::GoldenCasesInSuites(test::TestDataDir() /
                                                                       "ts2br" / "analysis")),
                         test::GoldenName());

}  // namespace
}  // namespace vx
