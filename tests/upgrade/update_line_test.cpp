#include <gtest/gtest.h>

#include <string>

#include "upgrade/update_line.h"

namespace vx {
namespace {

TEST(UpdateLine, ARuleGivesItsNameTypeAndReference) {
    const T_LV5 rule = ParseUpdateLine("x RUP(VXR12E3,keep . S1203E07 // comment");
    EXPECT_EQ(rule.Status, kUpdateLineParsed);
    EXPECT_EQ(rule.RuleName, "VXR12E3");
    EXPECT_EQ(rule.X, 12);
    EXPECT_EQ(rule.Y, 3);
    EXPECT_EQ(rule.UpdType, "keep.");
    EXPECT_EQ(rule.RefSE, "S1203E7");
    EXPECT_EQ(rule.RefS, 1203);
    EXPECT_EQ(rule.RefE, 7);
    EXPECT_EQ(rule.Msg, "");
}

TEST(UpdateLine, BlanksOfTheTypeAreLeftOut) {
    const T_LV5 rule = ParseUpdateLine("RUP(VXR1E1, EW to WW . S254E4");
    EXPECT_EQ(rule.Status, kUpdateLineParsed);
    EXPECT_EQ(rule.UpdType, "EWtoWW.");
}

TEST(UpdateLine, LinesWithoutARuleAreNotErrors) {
    for (const char* line : {"", "no rule here", "RUP VXR1E1,keep . S1E1", "(VXR1E1,keep . S1E1",
                             "RUP(VXE1,keep . S1E1", "RUP(VXR1,keep . S1E1", "RUP(VXR1E,keep",
                             "VXR1E1 RUP(,keep . S1E1", "RUP(VXR99999999999E1,keep . S1E1"}) {
        const T_LV5 rule = ParseUpdateLine(line);
        EXPECT_EQ(rule.Status, kUpdateLineNoRule) << line;
        EXPECT_EQ(rule.Msg, "") << line;
    }
}

TEST(UpdateLine, EachBrokenPartHasItsMessage) {
    const std::string noTypeEnd = " update type string end not found ! Abort of update 2BR ! ";
    const std::string noS =
        " There is no blank after the dot of the update type or the referenced S is not found; "
        "please correct ! Abort of update 2BR !";
    const std::string noE =
        " There is no E after the referenced S Number found; please correct ! Abort of update 2BR "
        "!";
    const struct {
        const char* line;
        std::string message;
    } cases[] = {
        {"RUP(VXR1E2 ,keep . S1E1",
         " Comma separator is not directly behind the VXRxy ! Abort of update 2BR !"},
        {"RUP(VXR1E2", " Comma separator is not directly behind the VXRxy ! Abort of update 2BR !"},
        {"RUP(VXR1E2,keep S1E1", noTypeEnd},
        {"RUP(VXR1E2,keep .S1E1", noS},
        {"RUP(VXR1E2,keep . s1E1", noS},
        {"RUP(VXR1E2,keep . SE1", noS},
        {"RUP(VXR1E2,keep .", noS},
        {"RUP(VXR1E2,keep . S12", noE},
        {"RUP(VXR1E2,keep . S12 E1", noE},
        {"RUP(VXR1E2,keep . S12E", noE},
    };
    for (const auto& c : cases) {
        const T_LV5 rule = ParseUpdateLine(c.line);
        EXPECT_EQ(rule.Status, kUpdateLineError) << c.line;
        EXPECT_EQ(rule.Msg, c.message) << c.line;
        EXPECT_EQ(rule.RuleName, "VXR1E2") << c.line;
    }
}

TEST(UpdateLine, ATypeBeyondTheRecordIsRefusedNotCut) {
    // The record holds 100 characters of the type, its closing dot included.
    const std::string longestType(99, 't');
    EXPECT_EQ(ParseUpdateLine("RUP(VXR1E1," + longestType + ". S1E1").UpdType.size(), 100u);
    const T_LV5 rule = ParseUpdateLine("RUP(VXR1E1," + longestType + "t. S1E1");
    EXPECT_EQ(rule.Status, kUpdateLineError);
    EXPECT_EQ(rule.UpdType, "");
}

}  // namespace
}  // namespace vx
