#include "onebr_golden.h"

#include "platform/host_path.h"
#include "platform/text_list.h"
#include "support/golden.h"

namespace fs = std::filesystem;

namespace vx::test {
namespace {

std::vector<std::string> LinesOf(const fs::path& file) {
    TextList text;
    if (fs::exists(file)) {
        text.LoadFromFile(ToSystemPath(file));
    }
    return text.Lines();
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text + " ") {
        if (c != ' ') {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

}  // namespace

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
    if (fs::exists(caseDir / "messages.txt")) {
        golden.Messages = ReadMessagesFile(caseDir / "messages.txt");
    }
    return golden;
}

void InstallOneBRCase(const TempInstallation& install, const fs::path& caseDir) {
    CopyTree(caseDir / "install", install.path());
    install.Write("Sessions/default.res", "a report of an earlier run\r\n");
}

std::string MarkRoot(std::string text, const std::string& root) {
    for (auto at = text.find(root); at != std::string::npos; at = text.find(root, at)) {
        text.replace(at, root.size(), "<root>");
    }
    return text;
}

std::vector<std::string> MarkRoot(std::vector<std::string> texts, const std::string& root) {
    for (auto& text : texts) {
        text = MarkRoot(std::move(text), root);
    }
    return texts;
}

}  // namespace vx::test
