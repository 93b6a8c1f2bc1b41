#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "platform/file_lists.h"
#include "platform/host_path.h"
#include "platform/safe_name.h"
#include "support/temp_dir.h"

namespace vx {
namespace {

using namespace std::string_literals;

// Names that would leave the directory they are put into, or that a file system refuses.
std::vector<std::string> EscapingNames() {
    return {"",
            ".",
            "..",
            "../x",
            "..\\x",
            "a/b",
            "a\\b",
            "/etc",
            "\\x",
            "C:",
            "C:x",
            "C:\\x",
            "x::$DATA",
            "nul\0byte"s,
            "line\rbreak",
            "tab\there",
            "star*",
            "what?",
            "<in>",
            "pipe|",
            "quote\"",
            std::string(kMaxNameLength + 1, 'n'),
            std::string(300, 'n')};
}

TEST(SafeName, RefusesEveryNameThatCouldLeaveItsDirectory) {
    for (const std::string& name : EscapingNames()) {
        EXPECT_FALSE(IsSafeName(name)) << name;
    }
}

TEST(SafeName, AcceptsTheNamesPeopleGiveSessionsAndFiles) {
    for (const std::string& name :
         {"Morning"s, "abc.ses"s, ".hidden"s, "a..b"s, "S254"s, "VXR12.txt"s,
          "Fr\xFChst\xFC"
          "ck"s,
          "two words"s, std::string(kMaxNameLength, 'n')}) {
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

TEST(DirectoryListFloor, TheListNeverLeavesItsFloorUpwards) {
    test::TempDir dir;
    dir.MakeDir("root/Sessions/_2BR_x");
    TDirectoryListBox list;
    list.Floor = dir.SystemPath() + "root\\Sessions\\";
    list.SetDirectory(list.Floor);
    ASSERT_TRUE(list.Enter("_2BR_x"));
    EXPECT_TRUE(list.Up());
    EXPECT_EQ(list.Directory, list.Floor);
    EXPECT_FALSE(list.Up());
    EXPECT_EQ(list.Directory, list.Floor);

    TDirectoryListBox free;  // without a floor the person may go anywhere
    free.SetDirectory(dir.SystemPath() + "root\\");
    EXPECT_TRUE(free.Up());
}

TEST(AtomicWrite, AReplacedFileKeepsItsPermissionsAndNoTemporaryShows) {
    test::TempDir dir;
    const std::string file = dir.SystemPath() + "list.txt";
    WriteFileAtomic(file, "one");
    ASSERT_EQ(::chmod((dir.path() / "list.txt").c_str(), 0640), 0);
    WriteFileAtomic(file, "two");
    struct stat info {};
    ASSERT_EQ(::stat((dir.path() / "list.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(ReadFileBytes(file), "two");
    EXPECT_EQ(FindFiles(dir.SystemPath()), std::vector<std::string>{"list.txt"});
}

}  // namespace
}  // namespace vx
