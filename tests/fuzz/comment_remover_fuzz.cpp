// The comment remover of the deploy step, on a file's lines.
#include "deploy/comment_check.h"
#include "fuzz_support.h"
#include "platform/text_list.h"

using namespace vx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string_view> lines;
    SplitLines(fuzz::Text(data, size), lines);
    std::string cleaned;
    const TCommentCheck check = RemoveComments(lines, TCmtDelimiters{}, cleaned);
    if (check.Line < 0 || check.Line > static_cast<int>(lines.size()) ||
        (check.Ok && cleaned.size() > size + 2 * lines.size())) {
        fuzz::Broken("a comment check beyond its file");
    }
    return 0;
}
