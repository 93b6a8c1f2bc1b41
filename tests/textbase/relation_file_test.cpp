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

TEST(RelationFile, AHeaderWithNothingAfterTheKeyNamesNoRelation) {
    const auto reading =
        ReadRelationFile(Lines({kKey, "O2:", "", kKey + ":", "M1:", "T1:", "M1:"}), kKey);
    ASSERT_EQ(reading.Entries.size(), 2u);
    EXPECT_EQ(reading.Entries[0].Name, "");
    EXPECT_EQ(reading.Entries[1].Flags,
              (std::array<bool, 6>{true, false, false, false, false, false}));
    EXPECT_TRUE(reading.ActivationClosed);
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
