#include "support/golden.h"

#include <algorithm>
#include <cctype>
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

fs::path TestDataDir() {
    return VX_TEST_DATA_DIR;
}
fs::path DemoDir() {
    return VX_DEMO_DIR;
}

std::vector<std::string> ReadMessagesFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    TextList lines;
    lines.SetText(bytes.str());
    std::vector<std::string> messages;
    std::string current;
    bool any = false;
    for (const auto& line : lines.Lines()) {
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

std::string GoldenName::Sanitize(const std::string& name) {
    std::string out;
    for (char c : name) {
        out += (std::isalnum(static_cast<unsigned char>(c)) != 0) ? c : '_';
    }
    return out;
}

}  // namespace vx::test
