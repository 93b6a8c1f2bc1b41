#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/ini_form.h"
#include "platform/host_path.h"
#include "platform/scripted_ui.h"
#include "platform/text_list.h"
#include "session_lists.h"
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

std::string ShortType(const std::set<std::string>& codes) {
    return codes.count("10") ? "WW" : codes.count("50") ? "EW" : "DW";
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

// Blocks are separated by empty lines; between blocks "//" lines and blank lines are
// comments; a block starts with the key S + E + ", " + type + code + ", ".
TEST(DemoTextBase, RelationBlocksStartWithTheirSentencesKey) {
    int blocks = 0;
    for (const auto& [topicDir, sentences] : DemoRelationSets()) {
        const std::string topic = topicDir.filename().string();
        for (const auto& [sentence, codes] : sentences) {
            for (const std::string& code : codes) {
                const std::string key = topic + sentence + ", " + ShortType(codes) + code + ", ";
                TextList lines;
                lines.LoadFromFile(ToSystemPath(topicDir / (sentence + "_" + code + ".txt")));
                bool inBlock = false;
                for (const std::string& line : lines.Lines()) {
                    const bool comment = line.rfind("//", 0) == 0 ||
                                         line.find_first_not_of(' ') == std::string::npos;
                    if (line.empty()) {
                        inBlock = false;
                    } else if (!inBlock && !comment) {
                        EXPECT_EQ(line.substr(0, key.size()), key) << topic << sentence << code;
                        inBlock = true;
                        ++blocks;
                    }
                }
            }
        }
    }
    EXPECT_GT(blocks, 40);
}

// True when the method file holds the block "E, relation:" with a rule line for the value
// code and the method, as the 1BR computation looks them up.
bool HasRule(const TextList& methods, const std::string& sentence, const std::string& relation,
             const std::string& code, const std::string& method) {
    const std::string header = sentence + ", " + relation + ":";
    const std::string rule = "IF " + sentence + " EQ " + code + " THEN WITH " + method + " : ";
    bool inBlock = false;
    for (const std::string& line : methods.Lines()) {
        if (line.empty()) {
            inBlock = false;
        } else if (!inBlock) {
            inBlock = line.rfind(header, 0) == 0;
        } else if (line.rfind(rule, 0) == 0) {
            return true;
        }
    }
    return false;
}

// Every sentence of the demo opens in the relations window without a message, the tabs offer
// every method marker, and each method offered has its rule in the topic's method file.
TEST(DemoTextBase, RelationSetsOpenAndTheirMethodsHaveRules) {
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
        TextList methods;
        methods.LoadFromFile(SemiFormalPath(topic.substr(1), settings));
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
            }
            std::string code = rel.ShortType + (type == "WWType"   ? "10"
                                                : type == "EWType" ? "50"
                                                                   : "70");
            for (int tab = 0; tab < TVater2MethodenForm::kTabs; ++tab) {
                if (tab == 2 && rel.FileCount == 3) {
                    continue;
                }
                for (const TRelationEntry& entry : rel.Entries[static_cast<std::size_t>(tab)]) {
                    for (int m = 0; m < kMethodCount; ++m) {
                        if (!entry.Flags[static_cast<std::size_t>(m)]) {
                            continue;
                        }
                        ++offered[static_cast<std::size_t>(m)];
                        EXPECT_TRUE(m >= 3 ||
                                    HasRule(methods, sentence, entry.Name, code, kMethodNames[m]))
                            << topic << sentence << " " << code << " " << entry.Name << " "
                            << kMethodNames[m];
                    }
                }
                code = rel.ShortType + NextRelationCode(code.substr(2));
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
