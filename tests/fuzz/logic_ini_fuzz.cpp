// Logic.ini of a session whose other files are the demo's; a logic that loads evaluates a
// few TS lines, so that the tables it gives are used.
#include "fuzz_support.h"
#include "logic/loaders.h"
#include "platform/scripted_ui.h"
#include "support/ts_workload.h"

using namespace vx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // One model and one engine over it for every input, as the analysis window keeps one
    // engine for all its runs: making its combination table anew would cost more than most
    // inputs.
    static ScriptedUi ui;
    static LogicModel model;
    static TAnals2BR anals(ui, model, ts_workload::NoLogops(), ts_workload::NoLogops());
    ui.ClearRecords();
    model = fuzz::DemoMainModel();
    if (logic::ReadLogicIni(model, IniFile("Logic.ini", fuzz::Text(data, size)), ui) != 1) {
        return 0;
    }
    static const std::vector<std::string> lines = {"S1E1:TS1uTS2", "S1E2:~TS1o(TS2=>TS3)",
                                                   "S1E3:(TS1<=>~TS2)u~(TS3oTS1)"};
    static const std::map<std::string, int> targets = {{"S1E1", 10}, {"S1E2", 20}};
    ts_workload::RunDefWW(anals, lines, targets, ts_workload::Evaluation::Compiled);
    return 0;
}
