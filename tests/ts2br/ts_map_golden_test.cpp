#include <gtest/gtest.h>

#include <filesystem>

#include "platform/scripted_ui.h"
#include "support/golden.h"
#include "ts2br/ts_map_file.h"
#include "ts_fixture.h"

namespace fs = std::filesystem;

// Golden folders of the TS map reader: tests/data/ts2br/ts_map/read/<case>/
//   map.txt        the TS map file
//   wanted.txt     the sentence to read ("E3")
//   expected.txt   "result=<1|-1>", then the reader's results (unchanged defaults after a
//                  failed read): E text, base XW, TS string, TS count and one line
//                  "TS<k>=<type>|<text>" per TS
//   messages.txt   the message boxes in order (absent: none)
// The check of a value a settings line prescribes is a table of tests/data/ts2br/calls.
namespace vx {
namespace {

std::vector<std::string> Flatten(int result, const TSMapBlock& block) {
    std::vector<std::string> out = {"result=" + std::to_string(result), "E=" + block.EText,
                                    "base=" + block.BaseXW, "ts=" + block.TSString,
                                    "count=" + std::to_string(block.TSCount)};
    for (int k = 1; k <= block.TSCount && k <= kMaxTSPerSentence; ++k) {
        out.push_back("TS" + std::to_string(k) + "=" + block.TSTypes[k] + "|" + block.TSTexts[k]);
    }
    return out;
}

class GoldenTSMap : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenTSMap, Case) {
    const fs::path caseDir = test::TestDataDir() / "ts2br" / "ts_map" / "read" / GetParam();
    const std::string wanted = test::LinesOf(caseDir / "wanted.txt").at(0);
    ScriptedUi ui;
    TSMapBlock block;
    const int result = ReadTSMapBlock(ui, (caseDir / "map.txt").string(),
                                      std::stoi(wanted.substr(1)), wanted, block);
    const std::vector<std::string> actual = Flatten(result, block);
    test::DumpActual("ts_map", GetParam(), "expected.txt", test::Joined(actual));
    test::DumpActual("ts_map", GetParam(), "messages.txt", test::FormatMessages(ui.Messages));
    EXPECT_EQ(actual, test::LinesOf(caseDir / "expected.txt"));
    EXPECT_EQ(ui.Messages, test::ReadMessagesFile(caseDir / "messages.txt"));
}

INSTANTIATE_TEST_SUITE_P(Read, GoldenTSMap,
                         ::testing::ValuesIn(test::GoldenCases(test::TestDataDir() / "ts2br" /
                                                               "ts_map" / "read")),
                         test::GoldenName());

}  // namespace
}  // namespace vx
