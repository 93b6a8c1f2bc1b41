// A TS map file: the first byte chooses the sentence (E1..E99) whose block is read, the rest
// is the file.
#include "fuzz_support.h"
#include "platform/scripted_ui.h"
#include "platform/text_list.h"
#include "ts2br/ts_map_file.h"

using namespace vx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int eNumber = data[0] % kMaxTSPerSentence + 1;
    TextList lines;
    lines.SetText(fuzz::Text(data + 1, size - 1));
    ScriptedUi ui;
    TSMapBlock block;
    if (ReadTSMapBlock(ui, "TS1.txt", lines, eNumber, "E" + std::to_string(eNumber), block) == 1) {
        if (block.TSCount < 0 || block.TSCount > kMaxTSPerSentence) {
            fuzz::Broken("a TS count outside 0..99");
        }
        ExceptionTSOf(block);
        for (int n = 1; n <= block.TSCount; ++n) {
            InsertTSValue(block.TSString, n, "10");
            CheckExceptionXW(block.TSTypes[n] + "[10]", block.BaseXW);
        }
    }
    return 0;
}
