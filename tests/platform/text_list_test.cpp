#include "platform/text_list.h"
#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/host_path.h"
#include "support/temp_dir.h"
#include "support/write_limit.h"

namespace vx {
namespace {

TEST(TextList, ReadsBeyondTheEndAsEmptyLinesRefusesWritesAndSplitsAtEveryLineEnd) {
    TextList list{"//vx2.0b, ", "S1E1"};
    EXPECT_EQ(list[1], "S1E1");
    EXPECT_EQ(list[2], "");
    EXPECT_EQ(list[-1], "");
    EXPECT_THROW(list.Set(2, "x"), IndexError);
    EXPECT_THROW(list.Delete(5), IndexError);
    EXPECT_THROW(list.Insert(3, "x"), IndexError);
    list.Insert(2, "end");
    EXPECT_EQ(list.Count(), 3);

    // Every kind of line end splits.
    list.SetText("a\r\nb\nc\rd\r\n\r\ne");
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
    list.SetText("one\r\n");
    EXPECT_EQ(list.Count(), 1);
    list.SetText("\r\n");
    EXPECT_EQ(list.Lines(), std::vector<std::string>{""});
    list.SetText("");
    EXPECT_EQ(list.Count(), 0);
}

TEST(TextList, WritesCrLfAndKeepsLatin1BytesAndLongLines) {
    test::TempDir dir;
    const std::string longLine(20000, 'x');
    const std::string nul("nul\0byte", 8);
    const TextList list{"Gr\xFC\xDF", "", longLine, nul};
    list.SaveToFile(dir.SystemPath() + "out.txt");
    EXPECT_EQ(dir.Read("out.txt"), "Gr\xFC\xDF\r\n\r\n" + longLine + "\r\n" + nul + "\r\n");
    TextList back;
    back.LoadFromFile(dir.SystemPath() + "OUT.TXT");
    EXPECT_EQ(back, list);
}

// A view remembers the revision it showed: every change grows it, and a list put in place of
// another must not repeat it.
TEST(TextList, EveryChangeAndEveryAssignedListGrowTheRevision) {
    TextList shown;
    const auto start = shown.Revision();
    shown.Add("a");
    shown.Set(0, "b");
    shown.Clear();
    EXPECT_EQ(shown.Revision(), start + 3);
    TextList loaded{"S12E2WW10: "};
    loaded.Add("S12E3WW10: ");
    shown = loaded;
    EXPECT_GT(shown.Revision(), start + 3);
    EXPECT_GT(shown.Revision(), loaded.Revision());
    const auto copied = shown.Revision();
    shown = std::move(loaded);
    EXPECT_GT(shown.Revision(), copied);
    EXPECT_EQ(shown.Lines(), (std::vector<std::string>{"S12E2WW10: ", "S12E3WW10: "}));
}

TEST(TextList, MissingFileDirectoryAndFailedSaveThrowFileErrorAndKeepTheOldFile) {
    test::TempDir dir;
    TextList list{"keep"};
    EXPECT_THROW(list.LoadFromFile(dir.SystemPath() + "missing.txt"), FileError);
    dir.MakeDir("adir");
    EXPECT_THROW(list.LoadFromFile(dir.SystemPath() + "adir"), FileError);
    EXPECT_THROW(list.SaveToFile(dir.SystemPath() + "adir"), FileError);
    EXPECT_THROW(list.SaveToFile(dir.SystemPath() + "no\\such\\dir\\f.txt"), FileError);
    EXPECT_EQ(list.Lines(), std::vector<std::string>{"keep"});

    // A write that fails halfway (the file-size limit is hit) leaves the old file as it was
    // and no temporary file behind.
    dir.Write("session", "old\r\n");
    const TextList big{std::string(1000, 'y')};
    {
        test::WriteLimit limit(64);
        EXPECT_THROW(big.SaveToFile(dir.SystemPath() + "session"), FileError);
    }
    EXPECT_EQ(dir.Read("session"), "old\r\n");
    EXPECT_EQ(FindFiles(dir.SystemPath(), "*"), std::vector<std::string>{"session"});
}

}  // namespace
}  // namespace vx
