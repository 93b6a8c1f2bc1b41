#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/host_path.h"
#include "platform/safe_name.h"

namespace vx {
namespace {

using namespace std::string_literals;

TEST(SafeName, RefusesNamesThatCouldLeaveTheirDirectoryAndAcceptsWhatPeopleType) {
    const std::string escaping[] = {
        "",      ".",     "..",   "../x",  "..\\x",    "a/b",        "a\\b",        "/etc",
        "\\x",   "C:",    "C:x",  "C:\\x", "x::$DATA", "nul\0byte"s, "line\rbreak", "tab\there",
        "star*", "what?", "<in>", "pipe|", "quote\""};
    for (const std::string& name : escaping) {
        EXPECT_FALSE(IsSafeName(name)) << name;
    }
    EXPECT_FALSE(IsSafeName(std::string(kMaxNameLength + 1, 'n')));
    EXPECT_TRUE(IsSafeName(std::string(kMaxNameLength, 'n')));
    const std::string usual[] = {"Morning", "abc.ses",   ".hidden",       "a..b",
                                 "S254",    "VXR12.txt", "Fr\xFChst\xFC", "two words"};
    for (const std::string& name : usual) {
        EXPECT_TRUE(IsSafeName(name)) << name;
    }
}

TEST(SafeName, TheRefusalIsInBothLanguagesAndShowsTheNameReadably) {
    std::string name = "nul\0byte/"s;
    name.append(300, 'n');  // appended, not added: GCC 12 warns wrongly on string + string here
    const std::string message = MsgNameRefused(name);
    EXPECT_EQ(message.substr(0, 20), "Der Name \"nul?byte/n");
    EXPECT_NE(message.find("...\" ist nicht erlaubt."), std::string::npos);
    EXPECT_NE(message.find("\r___\rThe name \"nul?byte/n"), std::string::npos);
    EXPECT_EQ(message.find('\0'), std::string::npos);
    EXPECT_LT(message.size(), 500u);
}

TEST(SafeName, APathIsBelowADirectoryOnlyThroughSafeComponents) {
    const std::string sessions = "D:\\vx\\Sessions\\";
    EXPECT_TRUE(IsPathBelow("D:\\vx\\Sessions\\_2BR_Breakfast", sessions));
    EXPECT_TRUE(IsPathBelow("D:\\vx\\sessions\\_2BR_Breakfast\\", sessions));
    EXPECT_TRUE(IsPathBelow("D:\\vx\\Sessions", sessions));
    EXPECT_TRUE(IsPathBelow("D:/vx/Sessions/a/b", sessions));
    EXPECT_FALSE(IsPathBelow("D:\\vx\\Sessions\\..\\System", sessions));
    EXPECT_FALSE(IsPathBelow("D:\\vx\\Sessions\\a\\..\\..\\x", sessions));
    EXPECT_FALSE(IsPathBelow("D:\\vx\\Sessions2\\x", sessions));
    EXPECT_FALSE(IsPathBelow("D:\\vx\\", sessions));
    EXPECT_FALSE(IsPathBelow("E:\\other", sessions));
}

}  // namespace
}  // namespace vx
