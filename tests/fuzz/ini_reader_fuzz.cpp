// The ini reader: every key that a section lists can be read back, within the value limit.
#include "fuzz_support.h"
#include "platform/text_list.h"

using namespace vx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::Text(data, size);
    const IniFile ini("fuzz.ini", text);
    std::vector<std::string_view> lines;
    SplitLines(text, lines);
    for (std::string_view line : lines) {
        const auto open = line.find('[');
        const auto close = line.find(']');
        if (open == std::string_view::npos || close == std::string_view::npos || close < open) {
            ini.ReadString(line, line, "");
            continue;
        }
        const std::string_view section = line.substr(open + 1, close - open - 1);
        for (const std::string& key : ini.ReadSection(section)) {
            if (!ini.SectionExists(section) || !ini.ValueExists(section, key) ||
                ini.ReadString(section, key, "").size() > IniFile::kMaxValueLength) {
                fuzz::Broken("a listed key cannot be read back");
            }
        }
    }
    return 0;
}
