#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/errors.h"
#include "platform/file_lists.h"
#include "platform/host_path.h"
#include "support/temp_dir.h"

namespace vx {
namespace {

class HostPathTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* file :
             {"RELATION/FormaleR/MO_S1.txt", "Lists/S_List.txt", "Text/vxLit.txt",
              "Saetze/S1/E10_10.txt", "Saetze/S1/E10_20.TXT", "Saetze/S1/E10_100.txt",
              "Saetze/S1/e10_30.txt", "Saetze/S1/E1_10.txt", "Saetze/S1/.gitkeep"}) {
            dir.Write(file, "");
        }
        dir.MakeDir("Saetze/S1/E10_sub.txt");
        dir.MakeDir("Saetze/S1/.hidden");
    }
    test::TempDir dir;
};

TEST_F(HostPathTest, MatchesExistingComponentsWithoutRegardToCase) {
    const std::string root = dir.SystemPath();
    EXPECT_EQ(ToHostPath(root + "Relation\\FormaleR\\MO_S1.txt"),
              dir.path() / "RELATION/FormaleR/MO_S1.txt");
    EXPECT_EQ(ToHostPath(root + "relation/formaler/mo_s1.TXT"),
              dir.path() / "RELATION/FormaleR/MO_S1.txt");
    EXPECT_TRUE(FileExists(root + "Lists\\S_list.txt"));
    EXPECT_TRUE(FileExists(root + "TEXT\\VXLIT.txt"));
    EXPECT_TRUE(DirectoryExists(root + "relation\\"));
    EXPECT_FALSE(FileExists(root + "relation"));
    EXPECT_FALSE(DirectoryExists(root + "Lists\\S_List.txt"));
}

TEST_F(HostPathTest, NewComponentsKeepTheCaseTheyWereGiven) {
    const std::string root = dir.SystemPath();
    EXPECT_EQ(ToHostPath(root + "relation\\NewDir\\File.TXT"),
              dir.path() / "RELATION/NewDir/File.TXT");
    ASSERT_TRUE(ForceDirectories(root + "sessions\\_2BR_demo\\ini\\"));
    ASSERT_TRUE(ForceDirectories(root + "SESSIONS\\_2br_DEMO\\Saetze"));
    EXPECT_TRUE(dir.Exists("sessions/_2BR_demo/ini"));
    EXPECT_TRUE(dir.Exists("sessions/_2BR_demo/Saetze"));
}

TEST_F(HostPathTest, FindsFilesByMaskInAStableOrder) {
    const std::string folder = dir.SystemPath() + "saetze\\s1\\";
    EXPECT_EQ(FindFiles(folder, "E10_??.txt"),
              (std::vector<std::string>{"E10_10.txt", "E10_20.TXT", "e10_30.txt"}));
    EXPECT_EQ(FindFiles(folder, "*.txt"),
              (std::vector<std::string>{"E10_10.txt", "E10_100.txt", "E10_20.TXT", "e10_30.txt",
                                        "E1_10.txt"}));
    EXPECT_EQ(FindFiles(folder, "*.*").size(), 5u);
    EXPECT_EQ(FindDirectories(folder), std::vector<std::string>{"E10_sub.txt"});
    EXPECT_TRUE(FindFiles(dir.SystemPath() + "missing\\", "*").empty());
}

TEST(MatchesMask, FollowsWildcardRules) {
    const std::pair<const char*, const char*> matching[] = {
        {"abc.txt", "*.TXT"}, {"E10_40.txt", "E10_??.txt"},
        {"a.b.c", "*.c"},     {"noext", "*.*"},
        {"x", "*"},           {"aXbXc", "a*b*c"}};
    for (const auto& [name, mask] : matching) {
        EXPECT_TRUE(MatchesMask(name, mask)) << name << " " << mask;
    }
    EXPECT_FALSE(MatchesMask("E10_4.txt", "E10_??.txt"));
    EXPECT_FALSE(MatchesMask("x.txt", "*.ini"));
}

TEST(SystemPaths, ConvertBetweenSystemAndHostForms) {
    EXPECT_EQ(ToSystemPath("/opt/vx/System/vx"), "\\opt\\vx\\System\\vx");
    EXPECT_EQ(ToHostPath("\\opt\\vx\\System\\").string(), "/opt/vx/System");
    // A drive letter has no meaning on this host; the rest of the path still counts.
    EXPECT_EQ(ToHostPath("D:\\nowhere\\x.txt").string(), "/nowhere/x.txt");
    EXPECT_EQ(ToHostPath("relative\\x.txt").string(), "relative/x.txt");
    EXPECT_EQ(ToSystemPath("/tmp/\xC3\xBC"), "\\tmp\\\xFC");
}

// The file of any case is replaced in place: its permissions stay and no temporary shows.
TEST(AtomicWrite, ReplacesTheFileKeepingItsPermissions) {
    test::TempDir dir;
    WriteFileAtomic(dir.SystemPath() + "list.txt", "one");
    ASSERT_EQ(::chmod((dir.path() / "list.txt").c_str(), 0640), 0);
    WriteFileAtomic(dir.SystemPath() + "LIST.TXT", "two");
    struct stat info {};
    ASSERT_EQ(::stat((dir.path() / "list.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(ReadFileBytes(dir.SystemPath() + "list.txt"), "two");
    EXPECT_EQ(FindFiles(dir.SystemPath()), std::vector<std::string>{"list.txt"});
    EXPECT_TRUE(RemoveFile(dir.SystemPath() + "List.txt"));
    EXPECT_FALSE(FileExists(dir.SystemPath() + "list.txt"));
}

TEST(ReadFileBytes, RefusesWhatIsNotAPlainFile) {
    test::TempDir dir;
    dir.MakeDir("sub");
    EXPECT_THROW(ReadFileBytes(dir.SystemPath() + "sub"), FileError);
    EXPECT_THROW(ReadFileBytes(dir.SystemPath() + "missing.txt"), FileError);
    EXPECT_THROW(ReadFileBytes("\\dev\\zero"), FileError);
}

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
    EXPECT_EQ(ParentDirectory("\\a"), "\\");
    EXPECT_EQ(ParentDirectory("a"), "");
    TDirectoryListBox free;
    free.SetDirectory(dir.SystemPath() + "Sessions\\");
    EXPECT_TRUE(free.Up());
}

}  // namespace
}  // namespace vx
