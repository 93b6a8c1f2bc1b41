// RangeArrays.ini of a session whose other files are the demo's.
#include "fuzz_support.h"
#include "logic/loaders.h"
#include "platform/scripted_ui.h"

using namespace vx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ScriptedUi ui;
    LogicModel model = fuzz::DemoLogicModel();
    logic::ReadRangeArraysIni(model, IniFile("RangeArrays.ini", fuzz::Text(data, size)), ui);
    return 0;
}
