#include "support/onebr_workload.h"

#include <string_view>

namespace vx::onebr_workload {
namespace {

const char* const kRoot = "\\vx\\";

std::vector<std::string> SplitLines(std::string_view text) {
    TextList list;
    list.SetText(text);
    return list.Lines();
}

// The three planted lines: the first keeps the second from deriving S254E10WW20 for itself,
// so that the second meets the value S254E10WW10 that the third states (written with another
// key, "S254E010", and so entered as an entry of its own).
const char* const kPlantedRules =
    "E2, RE10:\n"
    "IF E2 EQ WW10 THEN WITH M1 : RE10 NEQ (WW10 )\n"
    "IF E2 EQ WW10 THEN WITH O2 : RE10 EQ WW20\n"
    "\n"
    "E2, RE5:\n"
    "IF E2 EQ WW10 THEN WITH M1 : RE5 NEQ (WW30 )\n"
    "\n";
const char* const kPlanted[] = {"S254E5WW10:", "S254E2WW10: RE10M1,RE5M1,RE10O2,", "S254E010WW10:"};

std::string ChainRules(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        const std::string e = "E" + std::to_string(i);
        const std::string next = "RE" + std::to_string(i + 1);
        text += e + ", " + next + ":\nIF " + e + " EQ WW10 THEN WITH M1 : " + next + " EQ WW10\n\n";
    }
    return text;
}

}  // namespace

void MemoryMethodFiles::Add(const std::string& path, const std::string& text) {
    files_.insert_or_assign(path, MethodFile(SplitLines(text)));
}

const MethodFile* MemoryMethodFiles::Open(const std::string& path) {
    const auto found = files_.find(path);
    return found == files_.end() ? nullptr : &found->second;
}

PlantedConflict SessionWithPlantedConflict(int lines) {
    PlantedConflict made;
    made.Settings.AuthorRangeBegin = 1;
    made.Settings.AuthorRangeEnd = 999;
    made.Settings.Root = kRoot;
    const int chain = lines - 3;
    made.Files.Add(SemiFormalPath("254", made.Settings), kPlantedRules);
    made.Files.Add(SemiFormalPath("255", made.Settings), ChainRules(chain));

    made.Session.Add("//vx2.0b, ");
    // The planted lines stand at a quarter, half and three quarters of the session.
    int link = 0;
    for (int n = 1; n <= lines; ++n) {
        const std::size_t planted = made.Planted.size();
        if (planted < 3 && n == (static_cast<int>(planted) + 1) * lines / 4) {
            made.Session.Add(kPlanted[planted]);
            made.Planted.push_back(n);
            continue;
        }
        ++link;
        made.Session.Add("S255E" + std::to_string(link) + "WW10: RE" + std::to_string(link + 1) +
                         "M1,");
    }
    return made;
}

}  // namespace vx::onebr_workload
