#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/text_list.h"
#include "session/method_files.h"
#include "textbase/tools.h"

// 1BR sessions made in code, with their method files held in memory, for the benchmarks and
// the tests of the 1BR run and its explanation.
namespace vx::onebr_workload {

// Method files by path, held in memory; a path without a file cannot be opened.
class MemoryMethodFiles : public MethodFileSource {
public:
    void Add(const std::string& path, const std::string& text);
    const MethodFile* Open(const std::string& path) override;

private:
    std::map<std::string, MethodFile> files_;
};

// A session of `lines` lines after the header whose only conflict needs three lines at once:
// each of them alone, and each pair, runs without a conflict. The other lines form a chain in
// which every line derives the value of the next one.
struct PlantedConflict {
    TextList Session;
    std::vector<int> Planted;  // the three lines' numbers in the session text
    TextBaseSettings Settings;
    MemoryMethodFiles Files;
};
PlantedConflict SessionWithPlantedConflict(int lines);

}  // namespace vx::onebr_workload
