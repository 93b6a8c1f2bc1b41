// TextList loading: the lines of a text, written and read again, are the same lines.
#include "fuzz_support.h"
#include "platform/text_list.h"

using namespace vx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TextList list;
    list.SetText(fuzz::Text(data, size));
    TextList again;
    again.SetText(list.Text());
    if (!(again == list)) {
        fuzz::Broken("the lines change when written and read again");
    }
    return 0;
}
