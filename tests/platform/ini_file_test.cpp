#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/ini_file.h"
#include "support/temp_dir.h"

// The settings object's tests read whole vx.ini files through this reader: from a text like
// from the file, a missing or unreadable file, binary garbage, values cut at 1023 characters,
// mixed line ends and a repeated section.
namespace vx {
namespace {

class IniFileTest : public ::testing::Test {
protected:
    std::string Path() const { return dir.SystemPath() + "test.ini"; }
    IniFile Written(const std::string& text) const {
        dir.Write("test.ini", text);
        return IniFile(Path());
    }
    test::TempDir dir;
};

TEST_F(IniFileTest, ComparesSectionsAndKeysWithoutRegardToCaseAndTheFirstOccurrenceCounts) {
    const IniFile ini = Written(
        "[Paths]\r\nEveryOnePath=Text\\All\r\n[SETUPS]\r\nauthorRangeBegin = 1 \r\n"
        "[a]\rk=1\rk=2\r[b]\rk=3\r[A]\rk=4\rother=5\r");
    EXPECT_EQ(ini.ReadString("paths", "everyonepath", "d"), "Text\\All");
    EXPECT_EQ(ini.ReadString("Setups", "AUTHORRANGEBEGIN", "d"), "1");
    EXPECT_EQ(ini.ReadString("Setups", "authorRangeEnd", "authorRangeEnd_Error"),
              "authorRangeEnd_Error");
    EXPECT_EQ(ini.ReadString("Nope", "x", "def"), "def");
    EXPECT_TRUE(ini.SectionExists("setups"));
    EXPECT_TRUE(ini.ValueExists("PATHS", "EveryOnePath"));
    EXPECT_EQ(ini.ReadString("a", "k", "d"), "1");
    EXPECT_EQ(ini.ReadString("b", "k", "d"), "3");
    EXPECT_EQ(ini.ReadString("a", "other", "d"), "d");
    EXPECT_EQ(ini.ReadSection("a"), std::vector<std::string>{"k"});
}

TEST_F(IniFileTest, ValueIsTheTextAfterTheFirstEqualsSign) {
    const IniFile ini = Written("[s]\nlist=(10,30)=x\nempty=\nnoequals\n");
    EXPECT_EQ(ini.ReadString("s", "list", "d"), "(10,30)=x");
    EXPECT_EQ(ini.ReadString("s", "empty", "d"), "");
    EXPECT_EQ(ini.ReadString("s", "noequals", "d"), "d");
}

TEST_F(IniFileTest, WritingAKeyKeepsTheRestAndAnEmptiedFileIsWrittenKeyByKey) {
    IniFile ini = Written("; settings\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
    ini.WriteString("a", "X", "10");
    ini.WriteString("A", "z", "3");
    ini.WriteString("C", "w", "4");
    EXPECT_EQ(dir.Read("test.ini"),
              "; settings\r\n[A]\r\nX=10\r\nz=3\r\n\r\n[B]\r\ny=2\r\n\r\n[C]\r\nw=4\r\n");
    EXPECT_EQ(IniFile(Path()).ReadString("c", "W", "d"), "4");
    ini.Clear();
    EXPECT_EQ(dir.Read("test.ini"), "");
    ini.WriteString("SessionNames", "SessionName", "demo");
    ini.WriteString("SessionParams", "SessionAktiv", "1");
    EXPECT_EQ(dir.Read("test.ini"),
              "[SessionNames]\r\nSessionName=demo\r\n\r\n[SessionParams]\r\nSessionAktiv=1\r\n");
}

TEST_F(IniFileTest, FailedWriteThrowsAndKeepsMemoryAsOnDisk) {
    IniFile ini(dir.SystemPath() + "no\\dir\\x.ini");
    EXPECT_FALSE(ini.Existed());
    EXPECT_THROW(ini.WriteString("a", "b", "c"), FileError);
    EXPECT_EQ(ini.ReadString("a", "b", "d"), "d");
}

}  // namespace
}  // namespace vx
