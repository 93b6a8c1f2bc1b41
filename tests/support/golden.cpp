#include "support/golden.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/text_list.h"

namespace fs = std::filesystem;

namespace vx::test {

std::vector<std::string> GoldenCases(const fs::path& directory) {
    std::vector<std::string> cases;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(directory, ec)) {
        if (entry.is_directory()) {
            cases.push_back(entry.path().filename().string());
        }
    }
    std::sort(cases.begin(), cases.end());
    return cases;
}

std::vector<std::string> GoldenCasesInSuites(const fs::path& directory) {
    std::vector<std::string> cases;
    for (const std::string& suite : GoldenCases(directory)) {
        for (const std::string& name : GoldenCases(directory / suite)) {
            cases.push_back(suite + "/" + name);
        }
    }
    return cases;
}

fs::path TestDataDir() {
    return VX_TEST_DATA_DIR;
}
fs::path DemoDir() {
    return VX_DEMO_DIR;
}

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::string> LinesOf(const fs::path& file) {
    TextList lines;
    lines.SetText(ReadBytes(file));
    return lines.Lines();
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
        text.replace(at, from.size(), to);
        at += to.size();
    }
    return text;
}

std::vector<std::string> ReadMessagesFile(const fs::path& file) {
    std::vector<std::string> messages;
    std::string current;
    bool any = false;
    for (const auto& line : LinesOf(file)) {
        if (line == "--- end") {
            messages.push_back(current);
            current.clear();
            any = false;
            continue;
        }
        current += (any ? "\r" : "") + line;
        any = true;
    }
    return messages;
}

std::string FormatMessages(const std::vector<std::string>& messages) {
    std::string text;
    for (const auto& message : messages) {
        std::string shown = message;
        std::replace(shown.begin(), shown.end(), '\r', '\n');
        text += shown + "\n--- end\n";
    }
    return text;
}

void DumpActual(const std::string& suite, const std::string& name, const std::string& file,
                const std::string& bytes) {
    const char* dump = std::getenv("VX_GOLDEN_DUMP");
    if (dump == nullptr) {
        return;
    }
    const fs::path dir = fs::path(dump) / suite / name;
    fs::create_directories(dir);
    std::ofstream(dir / file, std::ios::binary) << bytes;
}

std::string GoldenName::Sanitize(const std::string& name) {
    std::string out;
    for (char c : name) {
        out += (std::isalnum(static_cast<unsigned char>(c)) != 0) ? c : '_';
    }
    return out;
}

}  // namespace vx::test
