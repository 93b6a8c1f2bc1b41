#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/scripted_ui.h"
#include "support/golden.h"

namespace vx::test {

// Each of `lines` on a line of its own behind `indent`, for what a verb says.
inline std::string Indented(const std::vector<std::string>& lines, const std::string& indent) {
    std::string text;
    for (const std::string& line : lines) {
        text += "\n" + indent + line;
    }
    return text;
}

// Golden cases that drive windows step by step: tests/data/<subsystem>/<suite>/<case>/ holds
// "script.txt" (one step a line: a verb, a blank and its argument; "#" starts a comment) and
// "transcript.txt", what the steps gave. The transcript repeats every step after "> ", then
// what the Ui recorded during it ("message: ..." etc., "\r" written as a line break, each
// entry closed by "--- end"), then the lines the verb or a window callback said. The
// installation root is written "<root>".
class WindowScript {
public:
    using Verb = std::function<void(const std::string& argument)>;

    explicit WindowScript(ScriptedUi& ui) : ui_(ui) {}

    void On(const std::string& verb, Verb action) { verbs_[verb] = std::move(action); }
    void Say(const std::string& line) { said_ += line + "\n"; }

    std::string Run(const std::filesystem::path& script, const std::string& root) {
        std::string transcript;
        for (const std::string& step : LinesOf(script)) {
            if (step.empty() || step[0] == '#') {
                continue;
            }
            const auto blank = step.find(' ');
            const auto verb = verbs_.find(step.substr(0, blank));
            if (verb == verbs_.end()) {
                ADD_FAILURE() << "unknown step: " << step;
                continue;
            }
            verb->second(blank == std::string::npos ? "" : step.substr(blank + 1));
            transcript += "> " + step + "\n" + Recorded() + said_;
            said_.clear();
        }
        return ReplaceAll(transcript, root, "<root>");
    }

    // Runs a case's script and compares it with the case's transcript.
    void Check(const std::filesystem::path& suites, const std::string& name,
               const std::string& root) {
        const std::string actual = Run(suites / name / "script.txt", root);
        DumpActual(suites.filename().string(), name, "transcript.txt", actual);
        EXPECT_EQ(actual, ReadBytes(suites / name / "transcript.txt"));
    }

private:
    std::string Recorded() {
        std::vector<std::string> entries = ui_.Log;
        for (const std::string& unexpected : ui_.Unexpected) {
            entries.push_back("unexpected: " + unexpected);
        }
        ui_.ClearRecords();
        return FormatMessages(entries);
    }

    ScriptedUi& ui_;
    std::map<std::string, Verb> verbs_;
    std::string said_;
};

}  // namespace vx::test
