#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <memory>

#include "logic/loaders.h"
#include "model_dump.h"
#include "platform/host_path.h"
#include "platform/ini_file.h"
#include "platform/latin1.h"
#include "platform/scripted_ui.h"
#include "platform/text_list.h"
#include "support/golden.h"
#include "support/largest_config.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

// Golden folders of the logic loaders: tests/data/logic/<suite>/<case>/ holds
//   case.txt      the steps to run ("run=Read2BRIni UpgrSE22BR"), the session name
//                 ("session=", default Breakfast), the base configuration ("base=demo", the
//                 demo session's ini files and System\DVXR.ini, "base=largest", the largest
//                 configuration of support/largest_config.h, or "base=none") and edits of
//                 the base, one a line: "set <file> <section> <key>=<value>",
//                 "del <file> <section> <key>", "rm <file>", "dir <file>" (replace the
//                 file by a directory, so that it cannot be read);
//   *.ini         files that replace the base's file of the same name before the edits;
//   expected.txt  "result=" the results of the steps in order, then "<cell>=<value>" lines
//                 naming cells of the model (see model_dump.h), IniState and the paths;
//   messages.txt  the messages shown, in order (absent: none).
namespace vx {
namespace {

struct CaseScript {
    std::vector<std::string> steps;
    std::string session = "Breakfast";
    std::string base = "demo";
    std::vector<std::string> edits;
};

CaseScript ReadCase(const fs::path& file) {
    CaseScript script;
    for (const auto& line : test::LinesOf(file)) {
        if (line.empty() || line[0] == ';') {
            continue;
        }
        if (line.rfind("run=", 0) == 0) {
            script.steps = test::Words(line.substr(4));
        } else if (line.rfind("session=", 0) == 0) {
            script.session = line.substr(8);
        } else if (line.rfind("base=", 0) == 0) {
            script.base = line.substr(5);
        } else {
            script.edits.push_back(line);
        }
    }
    return script;
}

// Where a configuration file lives in the installation, relative to its root.
std::string PlaceOf(const std::string& file, const std::string& session) {
    if (SameTextLatin1(file, "DVXR.ini")) {
        return "System/DVXR.ini";
    }
    return "Sessions/_2BR_" + session + "/ini/" + file;
}

void DeleteKey(const std::string& path, const std::string& section, const std::string& key) {
    TextList text;
    text.LoadFromFile(path);
    bool inSection = false;
    for (int i = 0; i < text.Count(); ++i) {
        const std::string& line = text[i];
        if (!line.empty() && line[0] == '[') {
            inSection = SameTextLatin1(line, "[" + section + "]");
        } else if (inSection && SameTextLatin1(line.substr(0, line.find('=')), key)) {
            text.Delete(i--);
        }
    }
    text.SaveToFile(path);
}

void ApplyEdit(const test::TempDir& dir, const std::string& session, const std::string& edit) {
    const auto words = test::Words(edit);
    ASSERT_GE(words.size(), 2u) << edit;
    const std::string& op = words[0];
    const std::string relative = PlaceOf(words[1], session);
    const std::string path = ToSystemPath(dir.path() / relative);
    // The rest of the line after the operation and the file name, blanks kept.
    const std::string rest = edit.substr(std::min(edit.size(), op.size() + words[1].size() + 2));
    if (op == "set") {
        const auto space = rest.find(' ');
        const auto eq = rest.find('=');
        ASSERT_TRUE(space != std::string::npos && eq != std::string::npos) << edit;
        IniFile(path).WriteString(rest.substr(0, space), rest.substr(space + 1, eq - space - 1),
                                  rest.substr(eq + 1));
    } else if (op == "del") {
        ASSERT_EQ(words.size(), 4u) << edit;
        DeleteKey(path, words[2], words[3]);
    } else if (op == "rm" || op == "dir") {
        fs::remove(dir.path() / relative);
        if (op == "dir") {
            fs::create_directories(dir.path() / relative);
        }
    } else {
        FAIL() << "unknown edit: " << edit;
    }
}

void Install(const test::TempDir& dir, const fs::path& caseDir, const CaseScript& script) {
    const std::string iniDir = "Sessions/_2BR_" + script.session + "/ini";
    dir.MakeDir(iniDir);
    dir.MakeDir("System");
    if (script.base == "demo") {
        const fs::path demo = test::DemoDir();
        test::CopyTree(demo / "Sessions" / "_2BR_Breakfast" / "ini", dir.path() / iniDir);
        fs::copy_file(demo / "System" / "DVXR.ini", dir.path() / "System" / "DVXR.ini");
    } else if (script.base == "largest") {
        test::WriteLargestLogicConfig(ToSystemPath(dir.path() / iniDir));
    } else {
        ASSERT_EQ(script.base, "none");
    }
    for (const auto& entry : fs::directory_iterator(caseDir)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() == ".ini") {
            fs::copy_file(entry.path(), dir.path() / PlaceOf(name, script.session),
                          fs::copy_options::overwrite_existing);
        }
    }
    for (const auto& edit : script.edits) {
        ApplyEdit(dir, script.session, edit);
    }
}

struct Outcome {
    std::vector<int> results;
    ScriptedUi ui;
    std::unique_ptr<LogicModel> model = std::make_unique<LogicModel>();
    logic::TwoBRSettings settings;
};

void RunSteps(const test::TempDir& dir, const CaseScript& script, Outcome& out) {
    out.settings.SessionsPath = dir.SystemPath() + "Sessions\\";
    out.settings.SessionName = script.session;
    out.settings.Paths.BR2IniPath = out.settings.SessionsPath + "_2BR_" + script.session + "\\ini";
    LogicModel& m = *out.model;
    const std::string& iniPath = out.settings.Paths.BR2IniPath;
    const std::string systemDir = dir.SystemPath() + "System\\";
    const std::map<std::string, std::function<int()>> steps = {
        {"Set2BRPaths", [&] { return logic::Set2BRPaths(out.settings, m, out.ui); }},
        {"Read2BRIni", [&] { return logic::Read2BRIni(out.settings, m, out.ui); }},
        {"ReadMainIni", [&] { return logic::ReadMainIni(m, iniPath, out.ui); }},
        {"ReadDVXRIni", [&] { return logic::ReadDVXRIni(m, systemDir, out.ui); }},
        {"Process_DVXRini", [&] { return logic::Process_DVXRini(m); }},
        {"UpgrSE22BR", [&] { return logic::UpgrSE22BR(m, iniPath, out.ui); }}};
    for (const auto& step : script.steps) {
        const auto run = steps.find(step);
        if (run == steps.end()) {
            ADD_FAILURE() << "unknown step " << step;
        }
        out.results.push_back(run == steps.end() ? 99 : run->second());
    }
}

std::map<std::string, std::string> Cells(const test::TempDir& dir, const Outcome& out) {
    auto cells = test::DumpLogicModel(*out.model);
    cells["IniState"] = std::to_string(out.settings.IniState);
    const auto relative = [&](const std::string& path) {
        const std::string root = dir.SystemPath();
        return path.rfind(root, 0) == 0 ? "<root>\\" + path.substr(root.size()) : path;
    };
    const logic::TwoBRPaths& p = out.settings.Paths;
    cells["Session2BRPath"] = relative(p.Session2BRPath);
    cells["BR2IniPath"] = relative(p.BR2IniPath);
    cells["BR2SaetzePath"] = relative(p.BR2SaetzePath);
    cells["BR2RelationPath"] = relative(p.BR2RelationPath);
    cells["BR2RegelnPath"] = relative(p.BR2RegelnPath);
    cells["BR2ListsPath"] = relative(p.BR2ListsPath);
    cells["BR2SystemPath"] = relative(p.BR2SystemPath);
    return cells;
}

class LogicGolden : public testing::TestWithParam<std::string> {};

TEST_P(LogicGolden, LoadsAsExpected) {
    const fs::path caseDir = test::TestDataDir() / "logic" / GetParam();
    const CaseScript script = ReadCase(caseDir / "case.txt");
    ASSERT_FALSE(script.steps.empty()) << "case.txt names no step";
    test::TempDir dir;
    Install(dir, caseDir, script);
    if (HasFatalFailure()) {
        return;
    }
    Outcome out;
    RunSteps(dir, script, out);

    const auto expectedMessages = test::ReadMessagesFile(caseDir / "messages.txt");
    EXPECT_EQ(test::FormatMessages(out.ui.Messages), test::FormatMessages(expectedMessages));
    EXPECT_EQ(out.ui.Questions.size(), 0u);

    auto cells = Cells(dir, out);
    for (const int result : out.results) {
        cells["result"] += (cells["result"].empty() ? "" : " ") + std::to_string(result);
    }
    bool resultGiven = false;
    for (const auto& line : test::LinesOf(caseDir / "expected.txt")) {
        if (line.empty() || line[0] == ';') {
            continue;
        }
        const auto eq = line.find('=');
        ASSERT_NE(eq, std::string::npos) << line;
        const auto cell = cells.find(line.substr(0, eq));
        if (cell == cells.end()) {
            ADD_FAILURE() << "no cell " << line;
        } else {
            EXPECT_EQ(cell->second, line.substr(eq + 1)) << cell->first;
        }
        resultGiven |= cell != cells.end() && cell->first == "result";
    }
    EXPECT_TRUE(resultGiven) << "expected.txt gives no result";
}

INSTANTIATE_TEST_SUITE_P(Folders, LogicGolden,
                         testing::ValuesIn(test::GoldenCasesInSuites(test::TestDataDir() /
                                                                     "logic")),
                         test::GoldenName());

}  // namespace
}  // namespace vx
