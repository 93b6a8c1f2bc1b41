#include <gtest/gtest.h>

#include "platform/file_lists.h"
#include "support/temp_dir.h"

namespace vx {
namespace {

// The list never leaves its floor upwards; without a floor the person may go anywhere.
TEST(FileLists, DirectoryListEntersAndLeavesWithinItsFloorAndDrivesTheFileList) {
    test::TempDir dir;
    dir.Write("Sessions/demo", "");
    dir.Write("Sessions/_2BR_demo/demo", "");
    dir.Write("Sessions/_2BR_demo/demo.mpf", "");
    TDirectoryListBox dirs;
    dirs.Floor = dir.SystemPath() + "Sessions\\";
    dirs.SetDirectory(dir.SystemPath() + "sessions");
    EXPECT_EQ(dirs.Directory, dir.SystemPath() + "sessions\\");
    EXPECT_EQ(dirs.Items, std::vector<std::string>{"_2BR_demo"});
    EXPECT_FALSE(dirs.Enter("nothere"));
    ASSERT_TRUE(dirs.Enter("_2BR_demo"));
    TFileListBox files;
    files.SetDirectory(dirs.Directory);
    EXPECT_EQ(files.Items, (std::vector<std::string>{"demo", "demo.mpf"}));
    EXPECT_EQ(files.FileName(), "");
    files.ItemIndex = 1;
    EXPECT_EQ(files.FileName(), dir.SystemPath() + "sessions\\_2BR_demo\\demo.mpf");
    ASSERT_TRUE(dirs.Up());
    EXPECT_EQ(dirs.Directory, dir.SystemPath() + "sessions\\");
    EXPECT_FALSE(dirs.Up());
    EXPECT_EQ(dirs.Directory, dir.SystemPath() + "sessions\\");
    TDirectoryListBox free;
    free.SetDirectory(dir.SystemPath() + "Sessions\\");
    EXPECT_TRUE(free.Up());
}

TEST(FileLists, ParentDirectoryStopsAtTheTop) {
    EXPECT_EQ(ParentDirectory("D:\\a\\b\\"), "D:\\a\\");
    EXPECT_EQ(ParentDirectory("\\a"), "\\");
    EXPECT_EQ(ParentDirectory("a"), "");
    EXPECT_EQ(WithTrailingBackslash("x"), "x\\");
    EXPECT_EQ(WithTrailingBackslash(""), "");
}

}  // namespace
}  // namespace vx
