#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/scripted_ui.h"
#include "session_lists.h"
#include "settings/ini_form.h"
#include "support/golden.h"
#include "support/installed.h"
#include "textbase/ww_rel_form.h"
#include "textbase/ww_rel_read_form.h"

// Golden folders of relation files: each case holds the relation directory of one sentence
// ("files"), the call ("call.txt": window, topic part, sentence part, XW type), the window
// state that EvaluateRels leaves ("expected.txt") and its messages ("messages.txt").
// With VX_GOLDEN_DUMP set, the actual results are also written below that directory.

namespace vx {
namespace {

namespace fs = std::filesystem;

fs::path Suite() {
    return test::TestDataDir() / "textbase" / "relations";
}

std::string Flags(const std::array<bool, kMethodCount>& flags) {
    std::string text;
    for (int m = 0; m < kMethodCount; ++m) {
        if (flags[static_cast<std::size_t>(m)]) {
            text += std::string(" ") + kMethodNames[m];
        }
    }
    return text;
}

std::string Enabled(bool enabled) {
    return enabled ? "+" : "-";
}

// The state of a relations window after EvaluateRels, one fact per line.
std::string Dump(TVater2MethodenForm& form, const TIniForm& ini, const std::string& result) {
    std::ostringstream out;
    out << "result: " << result << "\n";
    out << "caption: " << form.Caption << "\n";
    out << "OpenRelFile: " << ini.OpenRelFile << "\n";
    out << "OpenRelReadFile: " << ini.OpenRelReadFile << "\n";
    out << "type: " << form.XWType << " " << form.ShortType << ", files " << form.FileCount
        << ", current value " << form.CurrentValue << "\n";
    for (int tab = 0; tab < TVater2MethodenForm::kTabs; ++tab) {
        const auto controls = form.Tab(tab);
        const TTabSheet& sheet = form.WWPageControl.Pages[static_cast<std::size_t>(tab)];
        out << "tab " << tab + 1 << " \"" << sheet.Caption << "\" " << Enabled(sheet.Enabled)
            << ", activate " << Enabled(controls.Aktiv.Enabled) << ", reset "
            << Enabled(controls.Reset.Enabled) << ", memo lines " << controls.Memo.Lines.Count()
            << "\n";
        for (const TRelationEntry& entry : form.Entries[static_cast<std::size_t>(tab)]) {
            out << "  entry " << entry.Name << ":" << Flags(entry.Flags) << "\n";
        }
        for (const TRelationPage& page : controls.Relations.Pages) {
            std::array<bool, kMethodCount> enabled{};
            for (std::size_t m = 0; m < enabled.size(); ++m) {
                enabled[m] = page.Boxes[m].Enabled;
            }
            out << "  page " << page.Caption << ":" << Flags(enabled) << "\n";
        }
    }
    return out.str();
}

class RelationGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(RelationGolden, EvaluateRelsLeavesTheExpectedTabs) {
    const fs::path caseDir = Suite() / GetParam();
    test::Installed installed;
    auto& [install, ui, app, ini] = installed;
    test::CopyTree(caseDir / "files", install.path() / "RELATION" / "S254");
    std::istringstream call(test::ReadBytes(caseDir / "call.txt"));
    std::string window, topicPart, sentencePart, xwType;
    call >> window >> topicPart >> sentencePart >> xwType;

    test::SessionLists session;
    TWWRelForm rel(ui, ini, session.Links(), {});
    TWWRelReadForm relRead(ui, ini);
    const std::string directory = install.Root() + "RELATION\\S254\\";
    const bool readOnly = window == "read";
    const std::string result =
        readOnly ? relRead.EvaluateRels(topicPart, sentencePart, directory, xwType)
                 : rel.EvaluateRels(topicPart, sentencePart, directory, xwType);
    const std::string state =
        Dump(readOnly ? static_cast<TVater2MethodenForm&>(relRead) : rel, ini, result);
    std::vector<std::string> messages;
    for (const std::string& message : ui.Messages) {
        messages.push_back(test::ReplaceAll(message, directory, "<dir>\\"));
    }
    test::DumpActual("relations", GetParam(), "expected.txt", state);
    if (!messages.empty()) {
        test::DumpActual("relations", GetParam(), "messages.txt", test::FormatMessages(messages));
    }

    EXPECT_EQ(state, test::ReadBytes(caseDir / "expected.txt"));
    EXPECT_EQ(test::FormatMessages(messages),
              test::FormatMessages(test::ReadMessagesFile(caseDir / "messages.txt")));
}

INSTANTIATE_TEST_SUITE_P(Folders, RelationGolden, testing::ValuesIn(test::GoldenCases(Suite())),
                         test::GoldenName());

}  // namespace
}  // namespace vx
