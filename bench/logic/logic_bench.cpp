#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "logic/loaders.h"
#include "platform/host_path.h"
#include "platform/ui.h"
#include "support/largest_config.h"

namespace {

// Counts messages instead of showing them; the largest configuration shows none.
class CountingUi : public vx::Ui {
public:
    void ShowMessage(std::string_view) override { ++messages; }
    vx::ModalResult AskYesNoCancel(std::string_view) override { return vx::ModalResult::Cancel; }
    vx::ModalResult ShowModal(vx::ModalForm&) override { return vx::ModalResult::Cancel; }
    std::string ShortDateToday() override { return {}; }
    int messages = 0;
};

// The whole 2BR loading of the largest configuration the model holds: 9 unary and 9 binary
// operators of valence 5 for the four value types and the four range logics, and 30 range
// arrays of 100 definitions.
void BM_Read2BRIniLargest(benchmark::State& state) {
    const auto root = std::filesystem::temp_directory_path() / "vx_logic_bench";
    const std::string sessions = vx::ToSystemPath(root) + "\\Sessions\\";
    vx::test::WriteLargestLogicConfig(sessions + "_2BR_Big\\ini");
    auto model = std::make_unique<vx::LogicModel>();
    CountingUi ui;
    vx::logic::TwoBRSettings settings;
    settings.SessionsPath = sessions;
    settings.SessionName = "Big";
    for (auto _ : state) {
        const int result = vx::logic::Read2BRIni(settings, *model, ui);
        if (result != 1 || ui.messages != 0) {
            state.SkipWithError("the largest configuration did not load cleanly");
            break;
        }
        benchmark::DoNotOptimize(model->RLTypes[4].LogRels.BinLogRel[9].Table[25][5]);
    }
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
}
BENCHMARK(BM_Read2BRIniLargest)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
