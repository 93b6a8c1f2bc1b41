// The SE list of a 2BR session, read in both modes.
#include <memory>

#include "fuzz_support.h"
#include "platform/scripted_ui.h"
#include "platform/text_list.h"
#include "ts2br/se_array_2br.h"

using namespace vx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The array is large; it is made once and the entries a reading used are emptied after it.
    static const auto entries = std::make_unique<T2BRSEArray>();
    TextList list;
    list.SetText(fuzz::Text(data, size));
    for (const char* mode : {"2BRMode", "1BRMode"}) {
        ScriptedUi ui;
        Read2BRSEList(list, mode, *entries, ui);
        for (int i = 1; i <= std::min(list.Count(), kMaxSEEntries); ++i) {
            (*entries)[i] = {};
        }
    }
    return 0;
}
