// Main.ini, followed by the demo's other files of the loading sequence, which read their
// counts and names from it.
#include "fuzz_support.h"
#include "logic/loaders.h"
#include "platform/scripted_ui.h"

using namespace vx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const IniFile logicIni = fuzz::DemoSessionIni("Logic.ini");
    static const IniFile rangeLogicIni = fuzz::DemoSessionIni("RangeLogic.ini");
    static const IniFile rangeArraysIni = fuzz::DemoSessionIni("RangeArrays.ini");
    static const IniFile updateRulesIni = fuzz::DemoSessionIni("SEupdRules.ini");
    ScriptedUi ui;
    LogicModel model;
    if (logic::ReadMainIni(model, IniFile("Main.ini", fuzz::Text(data, size)), ui) != 1) {
        return 0;
    }
    if (logic::ReadLogicIni(model, logicIni, ui) == 1) {
        logic::ReadRangeLogicIni(model, rangeLogicIni, ui);
    }
    logic::ReadRangeArraysIni(model, rangeArraysIni, ui);
    logic::UpgrSE22BR(model, updateRulesIni, ui);
    return 0;
}
