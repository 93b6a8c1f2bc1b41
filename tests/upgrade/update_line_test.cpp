#include <gtest/gtest.h>

#include <string>

#include "support/golden.h"
#include "upgrade/update_line.h"

namespace vx {
namespace {

// A parsed line as "status | name x/y | type | reference s/e | message".
std::string Described(const T_LV5& rule) {
    const char* status = rule.Status == kUpdateLineParsed  ? "parsed"
                         : rule.Status == kUpdateLineError ? "error"
                                                           : "no rule";
    return std::string(status) + " | " + rule.RuleName + " " + std::to_string(rule.X) + "/" +
           std::to_string(rule.Y) + " | " + rule.UpdType + " | " + rule.RefSE + " " +
           std::to_string(rule.RefS) + "/" + std::to_string(rule.RefE) + " | " + rule.Msg;
}

// Each line of tests/data/upgrade/update_line/lines.txt (rules, lines without a rule, each broken
// part of a rule) and what it parses to, against expected.txt there.
TEST(UpdateLine, EachLineGivesItsRuleOrItsMessage) {
    const std::filesystem::path folder = test::TestDataDir() / "upgrade/update_line";
    std::vector<std::string> described;
    for (const std::string& line : test::LinesOf(folder / "lines.txt")) {
        described.push_back(line + "\r  " + Described(ParseUpdateLine(line)));
    }
    const std::string actual = test::FormatMessages(described);
    test::DumpActual("upgrade", "update_line", "expected.txt", actual);
    EXPECT_EQ(actual, test::ReadBytes(folder / "expected.txt"));
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
