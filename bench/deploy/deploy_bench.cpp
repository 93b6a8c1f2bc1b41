#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "deploy/deploy_form.h"
#include "platform/application.h"
#include "platform/host_path.h"
#include "platform/scripted_ui.h"
#include "settings/ini_form.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kFileBytes = 1 << 20;

void WriteText(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

// About 1 MB of a topic written outside vx: sentences between one-line comments, blocks and
// big blocks with a block inside; roughly a third of the lines are comments.
std::string SourceText() {
    std::string text;
    for (int e = 1; text.size() < kFileBytes; ++e) {
        const std::string n = std::to_string(e);
        text += "E" + n + ": The kettle is switched on at seven and the water boils soon.\r\n";
        text += "<check sentence " + n + " with the group>   \r\n";
        if (e % 10 == 0) {
            text += "<< older wording\r\nE" + n + ": The kettle is on at seven.\r\n>>\r\n";
        }
        if (e % 50 == 0) {
            text += "<<<\r\nnotes of the week\r\n<< inner\r\nfirst draft\r\n>>\r\n>>>\r\n";
        }
    }
    text.resize(text.rfind("\r\n", kFileBytes) + 2);
    return text;
}

// An installation below the temporary directory with the most files the deploy folder may
// hold, removed at the end of the benchmark.
class BenchInstallation {
public:
    BenchInstallation()
        : root_(fs::temp_directory_path() / ("vx_deploy_bench_" + std::to_string(::getpid()))) {
        WriteText(root_ / "System" / "vx.ini",
                  "[Paths]\r\nEveryOnePath=EveryOne\\\r\nuserpath=Users\\usr1101\\\r\n"
                  "userspath=Users\\\r\ngrouppath=Groups\\\r\ndeploypath=Deploy\\\r\n"
                  "Editor=System\\editor\r\n[setups]\r\nauthorRangeBegin=1\r\n"
                  "authorRangeEnd=999\r\nusersRangeBegin=1001\r\nusersRangeEnd=9999\r\n"
                  "groupsRangeBegin=10001\r\ngroupsRangeEnd=29999\r\n"
                  "everyoneRangeBegin=30001\r\neveryoneRangeEnd=32000\r\n");
        const std::string text = SourceText();
        for (int i = 1; i <= vx::kMaxDeployFiles; ++i) {
            WriteText(root_ / "Deploy" / ("S" + std::to_string(100 + i) + ".txt"), text);
        }
        bytes_ = text.size() * vx::kMaxDeployFiles;
    }
    ~BenchInstallation() {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    BenchInstallation(const BenchInstallation&) = delete;
    BenchInstallation& operator=(const BenchInstallation&) = delete;

    std::string ProgramFileName() const { return vx::ToSystemPath(root_) + "\\System\\vx"; }
    std::size_t Bytes() const { return bytes_; }

private:
    fs::path root_;
    std::size_t bytes_ = 0;
};

// "Start" in the deploy window on 254 files of 1 MB: every file read, checked, cleaned and
// staged in Temp\imports.
void BM_DeployMostFiles(benchmark::State& state) {
    const BenchInstallation install;
    vx::ScriptedUi ui;
    vx::TApplication application;
    vx::TIniForm ini(ui, application, install.ProgramFileName());
    vx::TDeployForm form(ui, ini, [] { return false; });
    form.PrepareOpen();
    for (auto _ : state) {
        form.ButtonStartClick();
        if (form.Outcome() != vx::DeployOutcome::Clean || !ui.Messages.empty()) {
            state.SkipWithError("the benchmark folder was not deployed cleanly");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * install.Bytes()));
    state.counters["files"] = vx::kMaxDeployFiles;
}
BENCHMARK(BM_DeployMostFiles)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
