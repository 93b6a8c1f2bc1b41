#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/scripted_ui.h"
#include "textbase/tools.h"

namespace vx {
namespace {

TextBaseSettings DemoSettings() {
    TextBaseSettings s;
    s.AuthorRangeBegin = 1;
    s.AuthorRangeEnd = 999;
    s.UsersRangeBegin = 1001;
    s.UsersRangeEnd = 9999;
    s.GroupsRangeBegin = 10001;
    s.GroupsRangeEnd = 29999;
    s.EveryoneRangeBegin = 30001;
    s.EveryoneRangeEnd = 32000;
    s.Root = "D:\\vx\\";
    s.UsersPath = "D:\\vx\\Users\\";
    s.GroupPath = "D:\\vx\\Groups\\";
    s.EveryOnePath = "D:\\vx\\EveryOne\\";
    return s;
}

TEST(TopicArea, EveryRangeBoundAndTheInvalidForms) {
    const TextBaseSettings s = DemoSettings();
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"S0", "TBD"},     {"S1", "A"},        {"S999", "A"},       {"S1000", "TBD"},
        {"S1001", "U"},    {"S9999", "U"},     {"S10000", "TBD"},   {"S10001", "G"},
        {"S29999", "G"},   {"S30000", "TEST"}, {"S30001", "EvOne"}, {"S32000", "EvOne"},
        {"S32001", "TBD"}, {"S-5", "TBD"},     {"S", "E1"},         {"", "E1"},
        {"S12a", "E1"},    {"S 12", "E1"},     {"S123456", "E0"},   {"S99999", "TBD"},
        {"X254", "A"},     {"S1234567", "E0"},
    };
    for (const auto& [name, area] : cases) {
        EXPECT_EQ(TopicArea(name, s), area) << name;
    }
}

TEST(TopicArea, RangesAreTestedEveryoneFirstAndTestBeforeAuthor) {
    TextBaseSettings s = DemoSettings();
    s.EveryoneRangeBegin = 30000;
    s.UsersRangeBegin = 500;  // overlaps the author range
    s.GroupsRangeBegin = 9000;
    EXPECT_EQ(TopicArea("S30000", s), "EvOne");
    EXPECT_EQ(TopicArea("S600", s), "U");
    EXPECT_EQ(TopicArea("S9500", s), "G");
    s.AuthorRangeEnd = 31000;
    s.EveryoneRangeBegin = 31000;
    EXPECT_EQ(TopicArea("S30000", s), "TEST");
}

TEST(TextHelpers, NumbersOfSentenceIdentifiers) {
    struct Row {
        const char* se;
        int topic, sentence;
    };
    const Row rows[] = {
        {"S254E10", 254, 10},  {"", -1, -1},
        {"S254", 254, -1},     {"xS7E1", 7, 1},
        {"S25xE3", -1, 3},     {"254E10", -1, 10},
        {"SE1", -1, 1},        {"S99999999999E1", -1, 1},
        {"S254E", 254, -1},    {"S254E10WW10", 254, -1},
        {"S254E1E2", 254, -1},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(TopicNumber(row.se), row.topic) << row.se;
        EXPECT_EQ(SentenceNumber(row.se), row.sentence) << row.se;
    }
}

TEST(TextHelpers, SmallStringHelpers) {
    EXPECT_EQ(StripR("RS254E11"), "S254E11");
    EXPECT_EQ(StripR("RRR"), "");
    EXPECT_EQ(PrefixBeforeColon(""), "-1");
    EXPECT_EQ(PrefixBeforeColon("<R5: header"), "-1");
    EXPECT_EQ(PrefixBeforeColon("R5: text: more"), "R5");
    EXPECT_EQ(PrefixBeforeColon("no colon"), "no colon");
    EXPECT_EQ(PrefixBeforeColon(":x"), "");
    EXPECT_EQ(FirstTwoChars("WW10"), "WW");
    EXPECT_EQ(FirstTwoChars("WW1"), "");
    EXPECT_EQ(CharsThreeFourAsInt("ab12x"), 12);
    EXPECT_EQ(CharsThreeFourAsInt("WWxx"), -1);
    EXPECT_EQ(CharsThreeFourAsInt("WW1 "), -1);
    EXPECT_EQ(CharsThreeFourAsInt("abc"), 0);
    EXPECT_TRUE(IsBlank(""));
    EXPECT_TRUE(IsBlank("   "));
    EXPECT_FALSE(IsBlank(" a "));
    EXPECT_FALSE(IsBlank("\t"));
}

TEST(UserGroupDirNumber, FirstDigitsFollowedBy01WithinTheirBounds) {
    struct Row {
        int topic;
        const char* area;
        int dir;
    };
    const Row rows[] = {
        {1000, "U", 0},      {1001, "U", 1001}, {1123, "U", 1101},   {9999, "U", 9901},
        {10000, "U", 0},     {10000, "G", 0},   {10001, "G", 10001}, {12345, "G", 12301},
        {32045, "G", 32001}, {5000, "G", 0},    {1123, "A", 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(UserGroupDirNumber(row.topic, row.area), row.dir) << row.topic << row.area;
    }
}

TEST(TextBasePaths, EachOwnerAreaHasItsDirectories) {
    const TextBaseSettings s = DemoSettings();
    EXPECT_EQ(SemiFormalPath("254", s), "D:\\vx\\RELATION\\FormaleR\\MO_S254.txt");
    EXPECT_EQ(SemiFormalPath("1123", s),
              "D:\\vx\\Users\\usr1101\\RELATION\\FormaleR\\MO_S1123.txt");
    EXPECT_EQ(SemiFormalPath("12345", s),
              "D:\\vx\\Groups\\grp12301\\RELATION\\FormaleR\\MO_S12345.txt");
    EXPECT_EQ(SemiFormalPath("30012", s), "D:\\vx\\EveryOne\\RELATION\\FormaleR\\MO_S30012.txt");
    EXPECT_EQ(SemiFormalPath("30000", s), "");
    EXPECT_EQ(SemiFormalPath("12a", s), "Error");
    EXPECT_EQ(SemiFormalPath("123456", s), "Error");
    EXPECT_EQ(SemiFormalPath("0", s), "Error");

    EXPECT_EQ(TopicFilePath("S1123", "U", s), "D:\\vx\\Users\\usr1101\\Saetze\\S1123.txt");
    EXPECT_EQ(RelationDirectory("S12345", "G", s), "D:\\vx\\Groups\\grp12301\\RELATION\\S12345\\");
    EXPECT_EQ(TSMapFilePath("S254", "A", s), "D:\\vx\\Saetze\\FormaleSE\\TSmapg\\TS254.txt");
    EXPECT_EQ(TSMapFilePath("S30012", "EvOne", s),
              "D:\\vx\\EveryOne\\Saetze\\FormaleSE\\TSmapg\\TS30012.txt");
    EXPECT_EQ(TopicFilePath("S30000", "TEST", s), "");
}

TEST(SplitSE, TopicPartAndSentencePart) {
    ScriptedUi ui;
    const SplitResult split = SplitSE("S254E10", ui);
    EXPECT_TRUE(split.Ok);
    EXPECT_EQ(split.TopicPart, "S254");
    EXPECT_EQ(split.SentencePart, "E10");
    EXPECT_EQ(SplitSE("S254E10E2", ui).SentencePart, "E10E2");
    EXPECT_FALSE(SplitSE("S254", ui).Ok);
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_FALSE(SplitSE("s254E10", ui).Ok);
    EXPECT_EQ(ui.Messages, std::vector<std::string>{kMsgNameMustStartWithS});
}

TEST(TopicNumberOfName, ConvertsOrReportsAndGivesZero) {
    ScriptedUi ui;
    EXPECT_EQ(TopicNumberOfName("S254", ui), 254);
    EXPECT_EQ(TopicNumberOfName("E10", ui), 10);
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(TopicNumberOfName("E1x", ui), 0);
    EXPECT_EQ(TopicNumberOfName("S", ui), 0);
    EXPECT_EQ(ui.Messages,
              (std::vector<std::string>{kMsgConvertTopicOrSentence, kMsgConvertTopicOrSentence}));
}

TEST(XWTypeOfRelationFile, CodesMarkTheirTypes) {
    EXPECT_EQ(XWTypeOfRelationFile("E10_10.txt", "E10"), "WWType");
    EXPECT_EQ(XWTypeOfRelationFile("E10_30.TXT", "E10"), "WWType");
    EXPECT_EQ(XWTypeOfRelationFile("E10_60.txt", "E10"), "EWType");
    EXPECT_EQ(XWTypeOfRelationFile("e10_80.txt", "E10"), "DWType");
    EXPECT_EQ(XWTypeOfRelationFile("E10_40.txt", "E10"), "");
    EXPECT_EQ(XWTypeOfRelationFile("E10_99.txt", "E10"), "");
    EXPECT_EQ(XWTypeOfRelationFile("E10_70.Txt", "E10"), "");
    EXPECT_EQ(XWTypeOfRelationFile("E1_10.txt", "E10"), "");
}

}  // namespace
}  // namespace vx
