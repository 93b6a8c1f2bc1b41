#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "platform/application.h"
#include "platform/host_path.h"
#include "platform/scripted_ui.h"
#include "platform/text_list.h"
#include "session/method_files.h"
#include "session/one_br_run.h"
#include "session/result_form.h"
#include "session/smallest_conflict.h"
#include "settings/ini_form.h"
#include "support/onebr_workload.h"

namespace fs = std::filesystem;

namespace {

constexpr int kTopics = 10;      // S101 .. S110
constexpr int kSentences = 100;  // E1 .. E100 of each topic carry session lines
constexpr int kTargets = 10;     // relations of a sentence, each with two rules
constexpr int kLines = 1024;
constexpr int kItems = 32;

// The sentence that relation d of sentence i points to.
int Target(int i, int d) {
    return (i - 1 + d) % kSentences + 1;
}

void WriteText(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

// A method file of `rules` rules: two per relation, ten relations per sentence. Sentences
// beyond E100 have no session line; their blocks come first, so that reading line by line
// passes them.
std::string MethodFileText(int rules) {
    std::string text = "// generated rules\r\n\r\n";
    for (int i = rules / (2 * kTargets); i >= 1; --i) {
        for (int d = 1; d <= kTargets; ++d) {
            const std::string e = "E" + std::to_string(i);
            const std::string target = "RE" + std::to_string(Target(i, d));
            text += e + ", " + target + ":\r\n";
            text += "IF " + e + " EQ WW10 THEN WITH M1 : " + target + " EQ WW10\r\n";
            text += "IF " + e + " EQ WW20 THEN WITH M1 : " + target + " EQ WW20\r\n\r\n";
        }
    }
    return text;
}

// 1024 lines over ten topics, each with 32 relation items; every rule holds, so the run
// reaches its fixed point after the cycle that assigned every value.
vx::TextList SessionText() {
    vx::TextList session{"//vx2.0b, "};
    for (int j = 0; j < kLines; ++j) {
        const int topic = 101 + j % kTopics;
        const int i = (j / kTopics) % kSentences + 1;
        std::string line = "S" + std::to_string(topic) + "E" + std::to_string(i) + "WW10: ";
        for (int m = 0; m < kItems; ++m) {
            line += "RE" + std::to_string(Target(i, 1 + m % kTargets)) + "M1,";
        }
        session.Add(line);
    }
    return session;
}

// An installation below the temporary directory, removed at the end of the benchmark.
class BenchInstallation {
public:
    explicit BenchInstallation(int rules)
        : root_(fs::temp_directory_path() /
                ("vx_onebr_bench_" + std::to_string(::getpid()) + "_" + std::to_string(rules))) {
        WriteText(root_ / "System" / "vx.ini",
                  "[Paths]\r\nEveryOnePath=EveryOne\\\r\nuserpath=Users\\usr1101\\\r\n"
                  "userspath=Users\\\r\ngrouppath=Groups\\\r\ndeploypath=Deploy\\\r\n"
                  "Editor=System\\editor\r\n[setups]\r\nauthorRangeBegin=1\r\n"
                  "authorRangeEnd=999\r\nusersRangeBegin=1001\r\nusersRangeEnd=9999\r\n"
                  "groupsRangeBegin=10001\r\ngroupsRangeEnd=29999\r\n"
                  "everyoneRangeBegin=30001\r\neveryoneRangeEnd=32000\r\n");
        fs::create_directories(root_ / "Sessions");
        const std::string rulesText = MethodFileText(rules);
        for (int t = 0; t < kTopics; ++t) {
            WriteText(root_ / "RELATION" / "FormaleR" / ("MO_S" + std::to_string(101 + t) + ".txt"),
                      rulesText);
        }
    }
    ~BenchInstallation() {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    BenchInstallation(const BenchInstallation&) = delete;
    BenchInstallation& operator=(const BenchInstallation&) = delete;

    std::string ProgramFileName() const { return vx::ToSystemPath(root_) + "\\System\\vx"; }

private:
    fs::path root_;
};

// Reads the method file again for every item, line by line, as a run without an index would.
class ReopeningMethodFiles : public vx::MethodFileSource {
public:
    const vx::MethodFile* Open(const std::string& path) override {
        file_ = vx::ReadMethodFile(path, vx::MethodFile::Headers::SearchedLineByLine);
        return file_ ? &*file_ : nullptr;
    }

private:
    std::optional<vx::MethodFile> file_;
};

void RunSession(benchmark::State& state, vx::MethodFileSource* files,
                vx::Tracing tracing = vx::Tracing::Off) {
    const BenchInstallation install(static_cast<int>(state.range(0)));
    vx::ScriptedUi ui;
    vx::TApplication application;
    vx::TIniForm ini(ui, application, install.ProgramFileName());
    vx::TResultForm resultForm;
    const vx::TextList session = SessionText();
    for (auto _ : state) {
        const vx::OneBROutcome outcome = vx::RunOneBRSession(session, ini, resultForm, ui, files,
                                                             vx::ResultFile::Empty, tracing);
        if (outcome.Status.Status != 1 || outcome.Result.Cycle != 2 || !ui.Messages.empty()) {
            state.SkipWithError("the benchmark session did not reach its fixed point cleanly");
            break;
        }
    }
    state.counters["items"] = kLines * kItems;
}

void BM_OneBRRunIndexed(benchmark::State& state) {
    RunSession(state, nullptr);
}
BENCHMARK(BM_OneBRRunIndexed)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

// The same run recording the derivation of every value for the explanation: at most 20 %
// slower than BM_OneBRRunIndexed.
void BM_OneBRRunTraced(benchmark::State& state) {
    RunSession(state, nullptr, vx::Tracing::Record);
}
BENCHMARK(BM_OneBRRunTraced)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

// The smallest conflict of a 1024-line session whose only conflict needs three lines: under 5 s.
void BM_SmallestConflict(benchmark::State& state) {
    vx::onebr_workload::PlantedConflict made =
        vx::onebr_workload::SessionWithPlantedConflict(static_cast<int>(state.range(0)));
    int runs = 0;
    for (auto _ : state) {
        const vx::SmallestConflict found =
            vx::FindSmallestConflict(made.Session, made.Settings, &made.Files);
        if (found.Lines.size() != 3) {
            state.SkipWithError("the search did not find the three planted lines");
            break;
        }
        runs = found.Runs;
    }
    state.counters["runs"] = runs;
}
BENCHMARK(BM_SmallestConflict)->Arg(1024)->Unit(benchmark::kMillisecond);

void BM_OneBRRunReopeningPerItem(benchmark::State& state) {
    ReopeningMethodFiles files;
    RunSession(state, &files);
}
BENCHMARK(BM_OneBRRunReopeningPerItem)->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
