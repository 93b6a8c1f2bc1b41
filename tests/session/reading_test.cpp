#include <gtest/gtest.h>

#include <filesystem>

#include "platform/host_path.h"
#include "platform/scripted_ui.h"
#include "session/method_files.h"
#include "session/session_lines.h"
#include "support/golden.h"
#include "support/temp_dir.h"

namespace vx {
namespace {

std::vector<std::string> ItemsOf(const TSatzEntry& record) {
    std::vector<std::string> items;
    for (int k = 1; k <= kSatzItems; ++k) {
        items.push_back(record.Items[k]);
    }
    while (!items.empty() && items.back().empty()) {
        items.pop_back();
    }
    return items;
}

TSatzEntry Split(const std::string& line, ScriptedUi& ui) {
    TSatzEntry record;
    EXPECT_TRUE(SplitSessionLine(line, 7, record, ui));
    return record;
}

TEST(SessionLines, PartsAndItemSlots) {
    ScriptedUi ui;
    const TSatzEntry full = Split("S254E10WW10: RS254E11M1,RE12O1,", ui);
    EXPECT_EQ(full.Length, 31);
    EXPECT_EQ(full.TopicPart, "S254");
    EXPECT_EQ(full.SentencePart, "E10");
    EXPECT_EQ(full.XWPart, "WW10");
    EXPECT_EQ(ItemsOf(full), (std::vector<std::string>{"RS254E11M1", "RE12O1"}));
    EXPECT_EQ(ItemsOf(Split("S254E10WW10: RS254E11M1, RE12O1,", ui)),
              (std::vector<std::string>{"RS254E11M1", "", "RE12O1"}));
    EXPECT_EQ(ItemsOf(Split("S254E10WW10:RS254E11M1,", ui)), std::vector<std::string>{});
    EXPECT_EQ(ItemsOf(Split("S254E10WW10: RE12O1,/RE13O1,", ui)),
              std::vector<std::string>{"RE12O1"});
    EXPECT_EQ(ItemsOf(Split("S254E10WW10:", ui)), std::vector<std::string>{});
    EXPECT_EQ(Split("S254E4EW50: RE5O1,", ui).XWPart, "EW50");
    EXPECT_TRUE(ui.Messages.empty());
}

TEST(SessionLines, ThirtyTwoItemsFitAThirtyThirdIsRefused) {
    ScriptedUi ui;
    std::string line = "S254E1WW10: ";
    for (int k = 0; k < kSatzItems; ++k) {
        line += "RE2M1,";
    }
    EXPECT_EQ(ItemsOf(Split(line, ui)).size(), 32u);
    TSatzEntry record;
    EXPECT_FALSE(SplitSessionLine(line + "RE2M1,", 7, record, ui));
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].substr(0, 18), "Fehler in Zeile 7\r");
    // Slots counted past 32 without an item in them are no relation items.
    EXPECT_TRUE(SplitSessionLine(line + "xx", 7, record, ui));
}

TEST(MethodFiles, BlockHeadersInBothFormsAndOnTheLastLine) {
    EXPECT_TRUE(IsBlockHeader("E10, RS254E11:", "E10, RS254E11:"));
    EXPECT_TRUE(IsBlockHeader("E10, RS254E11: rain makes Anna late", "E10, RS254E11:"));
    EXPECT_TRUE(IsBlockHeader("E1: x, RE2:", "E1: x, RE2:"));
    EXPECT_FALSE(IsBlockHeader(" E10, RS254E11:", "E10, RS254E11:"));
    EXPECT_FALSE(IsBlockHeader("E10, RS254E11", "E10, RS254E11:"));
    const MethodFile file({"// E1, RE2:", "E1: x, RE2:", "E1, RE2:", "E1, RE2:", "E3, RE4:"});
    EXPECT_EQ(file.FindBlockHeader("E1: x, RE2:"), 1);
    EXPECT_EQ(file.FindBlockHeader("E1:"), 1);
    EXPECT_EQ(file.FindBlockHeader("E1, RE2:"), 2);
    EXPECT_EQ(file.FindBlockHeader("E3, RE4:"), 4);
    EXPECT_EQ(file.FindBlockHeader("E5, RE6:"), -1);
}

TEST(MethodFiles, TheIndexFindsWhatReadingLineByLineFindsInEveryDemoFile) {
    int keys = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(test::DemoDir())) {
        if (entry.path().filename().string().rfind("MO_S", 0) != 0) {
            continue;
        }
        const auto read = ReadMethodFile(ToSystemPath(entry.path()));
        ASSERT_TRUE(read.has_value()) << entry.path();
        const MethodFile unindexed(read->Lines(), MethodFile::Headers::SearchedLineByLine);
        for (const auto& line : read->Lines()) {
            const std::string key = line.substr(0, line.find(':') + 1);
            EXPECT_EQ(read->FindBlockHeader(key), unindexed.FindBlockHeader(key)) << key;
            ++keys;
        }
    }
    EXPECT_GT(keys, 50);
}

TEST(MethodFiles, AFileIsReadOnceAndAMissingOneStaysMissing) {
    test::TempDir dir;
    const std::string path = dir.SystemPath() + "MO_S1.txt";
    IndexedMethodFiles files;
    EXPECT_EQ(files.Open(path), nullptr);
    dir.Write("MO_S1.txt", "E1, RE2:\r\n");
    EXPECT_EQ(files.Open(path), nullptr);

    IndexedMethodFiles fresh;
    const MethodFile* first = fresh.Open(path);
    dir.Write("MO_S1.txt", "changed\r\n");
    ASSERT_EQ(fresh.Open(path), first);
    EXPECT_EQ(first->FindBlockHeader("E1, RE2:"), 0);
}

}  // namespace
}  // namespace vx
