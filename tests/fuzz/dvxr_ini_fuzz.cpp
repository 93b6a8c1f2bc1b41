// System\DVXR.ini and the copy of its rule numbers.
#include "fuzz_support.h"
#include "logic/loaders.h"
#include "platform/scripted_ui.h"

using namespace vx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ScriptedUi ui;
    LogicModel model;
    if (logic::ReadDVXRIni(model, IniFile("DVXR.ini", fuzz::Text(data, size)), ui) == 1) {
        logic::Process_DVXRini(model);
    }
    return 0;
}
