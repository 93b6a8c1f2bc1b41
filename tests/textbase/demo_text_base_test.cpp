#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/host_path.h"
#include "platform/scripted_ui.h"
#include "platform/text_list.h"
#include "session_lists.h"
#include "settings/ini_form.h"
#include "support/golden.h"
#include "textbase/tools.h"
#include "textbase/ww_rel_form.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

// The relation directories of the demo: <area>/RELATION/S<n>/E<k>_<code>.txt.
std::map<fs::path, std::map<std::string, std::set<std::string>>> DemoRelationSets() {
    std::map<fs::path, std::map<std::string, std::set<std::string>>> sets;
    for (const auto& entry : fs::recursive_directory_iterator(test::DemoDir())) {
        const fs::path& file = entry.path();
        const fs::path topicDir = file.parent_path();
        if (!entry.is_regular_file() || topicDir.parent_path().filename() != "RELATION" ||
            topicDir.filename() == "FormaleR") {
            continue;
        }
        const std::string stem = file.stem().string();
        const auto cut = stem.find('_');
        sets[topicDir][stem.substr(0, cut)].insert(stem.substr(cut + 1));
    }
    return sets;
}

TEST(DemoTextBase, EverySentenceOfEveryTopicHasAFullRelationSet) {
    const auto sets = DemoRelationSets();
    EXPECT_EQ(sets.size(), 6u);
    const std::set<std::set<std::string>> complete = {
        {"10", "20", "30", "40"}, {"50", "60", "40"}, {"70", "80", "40"}};
    for (const auto& [topicDir, sentences] : sets) {
        const std::string topic = topicDir.filename().string();
        TextList lines;
        lines.LoadFromFile(
            ToSystemPath(topicDir.parent_path().parent_path() / "Saetze" / (topic + ".txt")));
        std::set<std::string> inTopic;
        for (const std::string& line : lines.Lines()) {
            if (line.size() > 1 && line[0] == 'E' && line.find(':') != std::string::npos) {
                inTopic.insert(line.substr(0, line.find(':')));
            }
        }
        std::set<std::string> withRelations;
        for (const auto& [sentence, codes] : sentences) {
            withRelations.insert(sentence);
            EXPECT_EQ(complete.count(codes), 1u) << topic << sentence;
        }
        EXPECT_EQ(withRelations, inTopic) << topic;
    }
}

// Every sentence of the demo opens in the relations window without a message (so every block
// starts with its sentence's key), and the tabs offer every method marker. That each method
// offered has its rule is checked by the 1BR run of every relation (DemoOneBR).
TEST(DemoTextBase, RelationSetsOpenAndOfferEveryMethod) {
    ScriptedUi ui;
    TApplication app;
    TIniForm ini(ui, app, ToSystemPath(test::DemoDir()) + "\\System\\vx");
    ASSERT_EQ(ui.Messages, std::vector<std::string>{});
    test::SessionLists session;
    TWWRelForm rel(ui, ini, session.Links(), {});
    const TextBaseSettings settings = TextBaseSettingsOf(ini);
    std::array<int, kMethodCount> offered{};
    int closedTabs = 0;
    for (const auto& [topicDir, sentences] : DemoRelationSets()) {
        const std::string topic = topicDir.filename().string();
        const std::string area = TopicArea(topic, settings);
        for (const auto& [sentence, codes] : sentences) {
            std::string type;
            for (const std::string& code : codes) {
                const std::string marked =
                    XWTypeOfRelationFile(sentence + "_" + code + ".txt", sentence);
                type = marked.empty() ? type : marked;
            }
            rel.Close();
            ASSERT_EQ(
                rel.EvaluateRels(topic, sentence, RelationDirectory(topic, area, settings), type),
                "ok")
                << topic << sentence;
            for (int tab = 0; tab < TVater2MethodenForm::kTabs; ++tab) {
                closedTabs += rel.WWPageControl.Pages[static_cast<std::size_t>(tab)].Enabled &&
                              !rel.Tab(tab).Aktiv.Enabled;
                for (const TRelationEntry& entry : rel.Entries[static_cast<std::size_t>(tab)]) {
                    for (int m = 0; m < kMethodCount; ++m) {
                        offered[static_cast<std::size_t>(m)] +=
                            entry.Flags[static_cast<std::size_t>(m)] ? 1 : 0;
                    }
                }
            }
        }
    }
    EXPECT_EQ(ui.Messages, std::vector<std::string>{});
    for (int m = 0; m < kMethodCount; ++m) {
        EXPECT_GT(offered[static_cast<std::size_t>(m)], 0) << kMethodNames[m];
    }
    EXPECT_EQ(closedTabs, 1);
}

}  // namespace
}  // namespace vx
