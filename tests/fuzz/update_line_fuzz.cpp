// The update-line parser of the dynamic rule texts.
#include "fuzz_support.h"
#include "upgrade/update_line.h"

using namespace vx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const T_LV5 rule = ParseUpdateLine(fuzz::Text(data, size));
    if (rule.Status != kUpdateLineParsed && rule.Status != kUpdateLineError &&
        rule.Status != kUpdateLineNoRule) {
        fuzz::Broken("an update line status outside -1, 0, 1");
    }
    return 0;
}
