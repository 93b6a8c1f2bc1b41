#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "platform/application.h"
#include "platform/host_path.h"
#include "platform/scripted_ui.h"
#include "platform/text_list.h"
#include "session/line_evaluation.h"
#include "session/session_lines.h"
#include "settings/ini_form.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace vx {
namespace {

// Every method that a relation file of the demo offers (M1, O1, O2) has its rule in the
// topic's method file: the line it gives is evaluated without a message.
TEST(DemoOneBR, EveryMethodOfferedByARelationFileHasItsRule) {
    test::DemoCopy demo;
    ScriptedUi ui;
    TApplication application;
    const TIniForm ini(ui, application, demo.ProgramFileName());
    const std::regex relation(R"((S\d+)(E\d+), (\w\w\d\d), (R\w+):.*)");
    const std::regex method(R"((M1|O1|O2):.*)");
    int evaluated = 0;
    for (const auto& entry : fs::recursive_directory_iterator(demo.path())) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_regular_file() || !std::regex_match(name, std::regex(R"(E\d+_\d\d\.txt)"))) {
            continue;
        }
        TextList file;
        file.LoadFromFile(ToSystemPath(entry.path()));
        std::string lineStart;  // sentence, XW value and ": " + target of the current relation
        for (const auto& line : file.Lines()) {
            std::smatch match;
            if (std::regex_match(line, match, relation)) {
                lineStart =
                    match[1].str() + match[2].str() + match[3].str() + ": " + match[4].str();
                continue;
            }
            if (lineStart.empty() || !std::regex_match(line, match, method)) {
                continue;
            }
            const std::string se = lineStart + match[1].str() + ",";
            TVxSETable table;
            IndexedMethodFiles files;
            TLineEvaluator evaluator(table, TextBaseSettingsOf(ini), files, ui);
            TSatzEntry record;
            SplitSessionLine(se, 1, record, ui);
            const TFehlerStatus status = evaluator.EvaluateSessionLine(
                record.TopicPart, record.SentencePart, record.XWPart, record.Items);
            EXPECT_EQ(status.Status, 1) << se;
            EXPECT_EQ(ui.Messages, std::vector<std::string>{}) << se;
            ui.Messages.clear();
            ++evaluated;
        }
    }
    EXPECT_GT(evaluated, 30);
}

}  // namespace
}  // namespace vx
