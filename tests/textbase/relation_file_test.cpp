#include <gtest/gtest.h>

#include <string>

#include "platform/text_list.h"
#include "textbase/relation_file.h"

namespace vx {
namespace {

const std::string kKey = "S254E10, WW10, ";

TextList Lines(std::initializer_list<std::string> lines) {
    return TextList(lines);
}

TEST(RelationFile, T1ClearsTheFlagsBeforeItAndLaterMarkersCountAgain) {
    const auto reading = ReadRelationFile(
        Lines({kKey + "RE1: a", "M1:", "T1:", "LzB1:", "", kKey + "RE2: b", "T1:"}), kKey);
    ASSERT_EQ(reading.Entries.size(), 1u);
    EXPECT_EQ(reading.Entries[0].Name, "RE1");
    EXPECT_EQ(reading.Entries[0].Flags,
              (std::array<bool, 6>{false, false, false, false, false, true}));
    EXPECT_TRUE(reading.ActivationClosed);
    EXPECT_EQ(reading.SyntaxErrorLine, 0);
}

TEST(RelationFile, NamesEndAtTheColonOrAfterThirteenCharacters) {
    const auto reading =
        ReadRelationFile(Lines({kKey + "RS30012E1234:x", "O1:", "", kKey + "RS30012E12345:x",
                                "O1:", "", kKey, "O2:", "", kKey + ":", "M1:"}),
                         kKey);
    ASSERT_EQ(reading.Entries.size(), 4u);
    EXPECT_EQ(reading.Entries[0].Name, "RS30012E1234");
    EXPECT_EQ(reading.Entries[1].Name, "RS30012E12345");
    EXPECT_EQ(reading.Entries[2].Name, "");
    EXPECT_EQ(reading.Entries[3].Name, "");
}

TEST(RelationFile, TenThousandBlocksFillTheStoreAndCountTheRest) {
    TextList lines;
    for (int i = 0; i < 10000; ++i) {
        lines.Add(kKey + "RE" + std::to_string(i) + ": reason");
        lines.Add("M1:");
        lines.Add("");
    }
    const auto reading = ReadRelationFile(lines, kKey);
    EXPECT_EQ(reading.Entries.size(), 100u);
    EXPECT_EQ(reading.Entries.back().Name, "RE99");
    EXPECT_EQ(reading.LeftOut, 9900);
}

TEST(RelationFile, AVeryLongHeaderGivesAShortNameAndALongGarbageLineIsASyntaxError) {
    const std::string longText(1 << 20, 'x');
    auto reading = ReadRelationFile(Lines({kKey + "RE1" + longText, "BV1:"}), kKey);
    ASSERT_EQ(reading.Entries.size(), 1u);
    EXPECT_EQ(reading.Entries[0].Name, "RE1xxxxxxxxxx");
    reading = ReadRelationFile(Lines({"//", "   ", longText, kKey + "RE1:", "M1:"}), kKey);
    EXPECT_EQ(reading.SyntaxErrorLine, 3);
    EXPECT_TRUE(reading.Entries.empty());
}

}  // namespace
}  // namespace vx
