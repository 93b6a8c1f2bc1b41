#include "onebr_golden.h"

#include "support/golden.h"

namespace fs = std::filesystem;

namespace vx::test {

fs::path OneBRCasesDir() {
    return TestDataDir() / "session" / "onebr";
}

OneBRCase ReadOneBRCase(const fs::path& caseDir) {
    OneBRCase golden;
    for (const auto& line : LinesOf(caseDir / "case.txt")) {
        if (line.rfind("run=", 0) == 0) {
            golden.Runs = Words(line.substr(4));
        } else if (line.rfind("exit=", 0) == 0) {
            golden.Exit = std::stoi(line.substr(5));
        }
    }
    golden.Result = LinesOf(caseDir / "result.txt");
    golden.Last = LinesOf(caseDir / "last.txt");
    golden.Messages = ReadMessagesFile(caseDir / "messages.txt");
    for (auto [name, lines] : {std::pair{"explanation.txt", &golden.Explanation},
                               std::pair{"smallest.txt", &golden.Smallest}}) {
        if (fs::exists(caseDir / name)) {
            *lines = LinesOf(caseDir / name);
        }
    }
    return golden;
}

void InstallOneBRCase(const TempInstallation& install, const fs::path& caseDir) {
    CopyTree(caseDir / "install", install.path());
    install.Write("Sessions/default.res", "a report of an earlier run\r\n");
}

std::string MarkRoot(std::string text, const std::string& root) {
    return ReplaceAll(std::move(text), root, "<root>");
}

std::vector<std::string> MarkRoot(std::vector<std::string> texts, const std::string& root) {
    for (auto& text : texts) {
        text = MarkRoot(std::move(text), root);
    }
    return texts;
}

}  // namespace vx::test
