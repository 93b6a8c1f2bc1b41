// TS lines of the default WW logic through the steps of "TS start" against the demo logic:
// the lines of the result list, then after a NUL byte "<SE>=<value>" lines of targets.
#include <map>

#include "fuzz_support.h"
#include "platform/scripted_ui.h"
#include "platform/strict_int.h"
#include "platform/text_list.h"
#include "support/ts_workload.h"

using namespace vx;

namespace {

std::vector<std::string> LinesOf(std::string_view text) {
    std::vector<std::string_view> views;
    SplitLines(text, views);
    return {views.begin(), views.end()};
}

std::map<std::string, int> TargetsOf(std::string_view text) {
    std::map<std::string, int> targets;
    for (const std::string& line : LinesOf(text)) {
        const auto eq = line.find('=');
        if (eq == std::string::npos) {
            continue;
        }
        if (const auto value = TryStrToInt(line.substr(eq + 1))) {
            targets[line.substr(0, eq)] = *value;
        }
    }
    return targets;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // One engine for every input, as the analysis window keeps one for all its runs: making
    // its combination table anew would cost more than most inputs.
    static ScriptedUi ui;
    static TAnals2BR anals(ui, fuzz::DemoLogicModel(), ts_workload::NoLogops(),
                           ts_workload::NoLogops());
    ui.ClearRecords();
    const auto parts = fuzz::Parts(fuzz::Text(data, size), 2);
    ts_workload::RunDefWW(anals, LinesOf(parts[0]), TargetsOf(parts[1]),
                          ts_workload::Evaluation::Compiled);
    return 0;
}
