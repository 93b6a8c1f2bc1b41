// A relation file: the header key of its sentence and value, then after a NUL byte the file.
#include "fuzz_support.h"
#include "platform/text_list.h"
#include "textbase/relation_file.h"

using namespace vx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::Parts(fuzz::Text(data, size), 2);
    TextList lines;
    lines.SetText(parts[1]);
    const RelationFileReading reading = ReadRelationFile(lines, std::string(parts[0]));
    if (static_cast<int>(reading.Entries.size()) > kMaxRelationEntries) {
        fuzz::Broken("more relation entries than the store holds");
    }
    for (const TRelationEntry& entry : reading.Entries) {
        if (entry.Name.size() > kMaxRelationNameLength) {
            fuzz::Broken("a relation name beyond its length");
        }
    }
    return 0;
}
