#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/host_path.h"
#include "platform/text_list.h"
#include "support/golden.h"

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

}  // namespace
}  // namespace vx
