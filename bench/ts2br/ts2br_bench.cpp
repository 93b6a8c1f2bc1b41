#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <random>

#include "platform/scripted_ui.h"
#include "support/ts_workload.h"
#include "ts2br/anals_2br.h"
#include "ts2br/ts_diagram.h"
#include "ts2br/ts_text.h"

// (1) A DefWW run: 100 lines with 6 free TS each over four values (no 40, so Simple40 is off),
//     with the compiled search and with the walk over the layers.
// (2) Lines with 12 free TS over five values (244 140 625 rows): the pruned search against
//     enumerating every row in order with the compiled line.
// (3) Hard chain lines with 10, 11 and 12 free TS over five values, each TS two or three
//     times, half without a match: the time of each line, median and worst.
// (4) Every matching assignment counted ("All matches") on lines with 12 free TS over five
//     values, against evaluating the compiled line on each of the 244 140 625 rows once; and
//     the same lines counted with a small node budget, split into parts as a line whose
//     diagram outgrows the budget is.
namespace vx {
namespace {

using Search = TAnals2BR::RowSearch;

struct Workload {
    LogicModel logic;
    std::vector<std::string> lines;  // result-list lines
    std::map<std::string, int> targets;
};

// 100 lines, each with exactly six distinct free TS.
Workload SixFreeTS(bool unreachableTargets) {
    Workload w{ts_workload::MakeLogic(ts_workload::RankedLogic({10, 20, 30, 50})), {}, {}};
    std::mt19937 rng(1907);
    ts_workload::LineOptions options;
    options.distinctTS = 6;
    options.maxOperands = 4;
    options.prescribedPercent = 0;
    while (w.lines.size() < 100) {
        const std::string part = ts_workload::RandomTSPart(rng, w.logic, options);
        if (ts::CountDistinctTS(part) != "6") {
            continue;
        }
        const std::string se = "S1E" + std::to_string(w.lines.size() + 1);
        w.lines.push_back(se + ":" + part);
        // 40 is no value of the logic: every row is tried. Otherwise one of its values.
        w.targets[se] = unreachableTargets ? 40 : w.logic.WWType.ValueCode[1 + w.lines.size() % 4];
    }
    return w;
}

// The steps of "TS start" for the default WW logic; returns the number of matching lines.
int RunDefWW(TAnals2BR& anals, const Workload& w, bool walk) {
    const ts_workload::LogicRun run = ts_workload::RunDefWW(
        anals, w.lines, w.targets,
        walk ? ts_workload::Evaluation::Walk : ts_workload::Evaluation::Compiled);
    return static_cast<int>(std::count_if(run.lines.begin(), run.lines.end(), [](const auto& line) {
        return line.find(", MATCHES") != std::string::npos;
    }));
}

void BM_DefWWRun(benchmark::State& state) {
    const bool walk = state.range(0) == 1;
    const Workload w = SixFreeTS(state.range(1) == 1);
    ScriptedUi ui;
    TAnals2BR anals(ui, w.logic, ts_workload::NoLogops(), ts_workload::NoLogops());
    int matches = 0;
    for (auto _ : state) {
        matches = RunDefWW(anals, w, walk);
        benchmark::DoNotOptimize(matches);
    }
    state.counters["matching_lines"] = matches;
    state.counters["messages"] = static_cast<double>(ui.Messages.size());
    state.SetLabel(std::string(walk ? "walk" : "compiled") +
                   (state.range(1) == 1 ? ", every row tried" : ", targets among the values"));
}
BENCHMARK(BM_DefWWRun)
    ->ArgsProduct({{0, 1}, {1, 0}})
    ->ArgNames({"walk", "unreachable"})
    ->Unit(benchmark::kMillisecond);

// Lines with 12 free TS over the ranked logic 10 > 20 > 30 > 50 > 60.
struct TwelveFree {
    const char* part;
    int target;
};
const TwelveFree kTwelveFree[] = {
    // All twelve must be 60: the very last row.
    {"TS1oTS2oTS3oTS4oTS5oTS6oTS7oTS8oTS9oTS10oTS11oTS12", 60},
    {"(TS1=>TS2)u(TS3=>TS4)u(TS5=>TS6)u(TS7=>TS8)u(TS9=>TS10)u~(TS11<=>TS12)", 30},
    {"(TS12uTS11)o(TS10u~TS9)o(TS8u~TS7)o(TS6uTS5uTS4)o~(TS3oTS2oTS1)", 50},
    // No row gives 10: TS1 <=> ~TS1 is never better than 30.
    {"(TS1<=>~TS1)u(TS2oTS3oTS4oTS5oTS6oTS7oTS8oTS9oTS10oTS11oTS12)", 10},
    {"(TS1uTS2uTS3uTS4uTS5uTS6)=>~(TS7oTS8oTS9oTS10oTS11oTS12u(TS1<=>~TS1))", 10},
    // Every TS against its own negation: never better than 30.
    {"(TS1u~TS1)o(TS2u~TS2)o(TS3u~TS3)o(TS4u~TS4)o(TS5u~TS5)o(TS6u~TS6)o(TS7u~TS7)o(TS8u~TS8)o"
     "(TS9u~TS9)o(TS10u~TS10)o(TS11u~TS11)o(TS12u~TS12)",
     20},
    // A cycle of equivalences closed by a negation: true nowhere.
    {"(TS1<=>TS2)u(TS2<=>TS3)u(TS3<=>TS4)u(TS4<=>TS5)u(TS5<=>TS6)u(TS6<=>TS7)u(TS7<=>TS8)u"
     "(TS8<=>TS9)u(TS9<=>TS10)u(TS10<=>TS11)u(TS11<=>TS12)u(TS12<=>~TS1)",
     10},
    // The same cycle without the negation: true when all twelve are 60, the last row but one
    // block.
    {"(TS1<=>TS2)u(TS2<=>TS3)u(TS3<=>TS4)u(TS4<=>TS5)u(TS5<=>TS6)u(TS6<=>TS7)u(TS7<=>TS8)u"
     "(TS8<=>TS9)u(TS9<=>TS10)u(TS10<=>TS11)u(TS11<=>TS12)u(TS12<=>TS1)u~TS1",
     10},
};

std::string ComputeTwelve(const TwelveFree& line, Search search) {
    const LogicModel logic = ts_workload::MakeLogic(ts_workload::RankedLogic({10, 20, 30, 50, 60}));
    const std::string resultLine = std::string("S2E1:") + line.part;
    ScriptedUi ui;
    TAnals2BR anals(ui, logic, ts_workload::NoLogops(), ts_workload::NoLogops());
    anals.Search = search;
    const ts_workload::LogicRun run = ts_workload::RunDefWW(
        anals, {resultLine}, {{"S2E1", line.target}}, ts_workload::Evaluation::Compiled);
    const std::string verdict = run.lines[0].substr(resultLine.size());
    return verdict.empty() ? run.results.back() : verdict;
}

// Row by row over every row is the reference: its benchmark runs first and keeps its
// verdicts; the pruned search must find the same verdict and first assignment.
std::map<std::size_t, std::string>& ReferenceVerdicts() {
    static std::map<std::size_t, std::string> verdicts;
    return verdicts;
}

void BM_TwelveFreeTS(benchmark::State& state) {
    const auto index = static_cast<std::size_t>(state.range(0));
    const bool rowByRow = state.range(1) == 1;
    std::string verdict;
    for (auto _ : state) {
        verdict =
            ComputeTwelve(kTwelveFree[index], rowByRow ? Search::AllRowByRow : Search::ByTableSize);
        benchmark::DoNotOptimize(verdict);
    }
    auto& reference = ReferenceVerdicts();
    if (rowByRow) {
        reference[index] = verdict;
    } else if (reference.count(index) == 0) {
        verdict += " (not compared: the row-by-row run was filtered out)";
    } else if (verdict != reference[index]) {
        state.SkipWithError(("differs from row by row: " + verdict).c_str());
    }
    state.SetLabel(verdict);
}

std::vector<std::int64_t> TwelveFreeLines() {
    std::vector<std::int64_t> lines;
    for (std::size_t i = 0; i < std::size(kTwelveFree); ++i) {
        lines.push_back(static_cast<std::int64_t>(i));
    }
    return lines;
}

BENCHMARK(BM_TwelveFreeTS)
    ->ArgsProduct({TwelveFreeLines(), {1}})
    ->ArgNames({"line", "row_by_row"})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TwelveFreeTS)
    ->ArgsProduct({TwelveFreeLines(), {0}})
    ->ArgNames({"line", "row_by_row"})
    ->Unit(benchmark::kMillisecond);

void BM_HardChainLines(benchmark::State& state) {
    const int freeTS = static_cast<int>(state.range(0));
    const LogicModel logic = ts_workload::CyclicLogic(5);
    std::mt19937 rng(static_cast<unsigned>(freeTS));
    std::vector<ts_workload::HardLine> lines;
    for (int i = 0; i < 20; ++i) {
        lines.push_back(ts_workload::HardChainLine(rng, 5, freeTS, i % 2 == 1));
    }
    std::vector<double> millis;
    int matches = 0;
    for (auto _ : state) {
        millis.clear();
        matches = 0;
        for (const ts_workload::HardLine& line : lines) {
            ScriptedUi ui;
            TAnals2BR anals(ui, logic, ts_workload::NoLogops(), ts_workload::NoLogops());
            const auto start = std::chrono::steady_clock::now();
            const ts_workload::LogicRun run =
                ts_workload::RunDefWW(anals, {"S4E1:" + line.part}, {{"S4E1", line.target}},
                                      ts_workload::Evaluation::Compiled);
            millis.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
            matches += run.lines[0].find(", MATCHES") != std::string::npos ? 1 : 0;
        }
    }
    std::sort(millis.begin(), millis.end());
    state.counters["median_ms"] = (millis[9] + millis[10]) / 2;
    state.counters["worst_ms"] = millis.back();
    state.counters["matching_lines"] = matches;
}
BENCHMARK(BM_HardChainLines)
    ->DenseRange(10, 12)
    ->ArgName("free_ts")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

struct CountedLine {
    LogicModel logic;
    std::string part;
    int target = 0;
};

// Lines of (2) that match, and a hard chain line that matches only on its last row.
std::vector<CountedLine> CountedLines() {
    const LogicModel ranked =
        ts_workload::MakeLogic(ts_workload::RankedLogic({10, 20, 30, 50, 60}));
    std::vector<CountedLine> lines;
    for (std::size_t i : {1, 2, 4, 7}) {
        lines.push_back({ranked, kTwelveFree[i].part, kTwelveFree[i].target});
    }
    std::mt19937 rng(12);
    const ts_workload::HardLine hard = ts_workload::HardChainLine(rng, 5, 12, true);
    lines.push_back({ts_workload::CyclicLogic(5), hard.part, hard.target});
    return lines;
}

// The verdict of the line with its count, or the full scan's count when `scan`.
std::string CountLine(const CountedLine& line, bool scan, std::uint64_t& scanned) {
    const std::string resultLine = "S8E1:" + line.part;
    ScriptedUi ui;
    TAnals2BR anals(ui, line.logic, ts_workload::NoLogops(), ts_workload::NoLogops());
    anals.AllMatches = !scan;
    const ts_workload::LogicRun run = ts_workload::RunDefWW(
        anals, {resultLine}, {{"S8E1", line.target}}, ts_workload::Evaluation::Compiled,
        [&](int i, int target) {
            if (scan) {
                scanned = ts_workload::CountMatchesByScanningEveryRow(anals, i, target);
            }
        });
    return run.lines[0].substr(resultLine.size());
}

std::map<std::size_t, std::uint64_t>& ScannedCounts() {
    static std::map<std::size_t, std::uint64_t> counts;
    return counts;
}

void BM_AllMatchesTwelveFreeTS(benchmark::State& state) {
    static const std::vector<CountedLine> lines = CountedLines();
    const auto index = static_cast<std::size_t>(state.range(0));
    const bool scan = state.range(1) == 1;
    std::string verdict;
    std::uint64_t scanned = 0;
    for (auto _ : state) {
        verdict = CountLine(lines[index], scan, scanned);
        benchmark::DoNotOptimize(verdict);
    }
    if (scan) {
        ScannedCounts()[index] = scanned;
        state.counters["matches"] = static_cast<double>(scanned);
        return;
    }
    const std::size_t at = verdict.find(", matches: ");
    if (at == std::string::npos) {
        state.SkipWithError(("no count: " + verdict).c_str());
        return;
    }
    const std::uint64_t counted = std::stoull(verdict.substr(at + 11));
    state.counters["matches"] = static_cast<double>(counted);
    if (ScannedCounts().count(index) == 0) {
        verdict += " (not compared: the full scan was filtered out)";
    } else if (counted != ScannedCounts()[index]) {
        state.SkipWithError(("differs from the full scan: " + verdict).c_str());
    }
    state.SetLabel(verdict.substr(at));
}

// The full scan runs first, once per line, and keeps its counts for the comparison.
BENCHMARK(BM_AllMatchesTwelveFreeTS)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {1}})
    ->ArgNames({"line", "full_scan"})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllMatchesTwelveFreeTS)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {0}})
    ->ArgNames({"line", "full_scan"})
    ->Unit(benchmark::kMillisecond);

// The count with a budget of 2^range(1) nodes, split into parts past it.
void BM_AllMatchesPastTheBudget(benchmark::State& state) {
    static const std::vector<CountedLine> lines = CountedLines();
    const CountedLine& line = lines[static_cast<std::size_t>(state.range(0))];
    const std::size_t budget = std::size_t{1} << state.range(1);
    ScriptedUi ui;
    TAnals2BR anals(ui, line.logic, ts_workload::NoLogops(), ts_workload::NoLogops());
    ts::TSProgram program;
    int dense = -1;
    ts_workload::RunDefWW(anals, {"S8E1:" + line.part}, {{"S8E1", line.target}},
                          ts_workload::Evaluation::Compiled, [&](int i, int target) {
                              anals.CompiledLine(i, program);
                              dense = program.IndexOfCode(target);
                          });
    std::uint64_t counted = 0;
    for (auto _ : state) {
        counted = ts::CountMatchingRows(program, dense, budget);
        benchmark::DoNotOptimize(counted);
    }
    state.counters["matches"] = static_cast<double>(counted);
    state.counters["diagram_fits"] = ts::CountMatchingRowsByDiagram(program, dense, budget) ? 1 : 0;
    // Against the full scan when it ran, else against the count within the whole budget.
    const auto scanned = ScannedCounts().find(static_cast<std::size_t>(state.range(0)));
    const std::uint64_t expected =
        scanned != ScannedCounts().end() ? scanned->second : ts::CountMatchingRows(program, dense);
    if (counted != expected) {
        state.SkipWithError("differs from the full scan or the count within the whole budget");
    }
}
BENCHMARK(BM_AllMatchesPastTheBudget)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {8, 12}})
    ->ArgNames({"line", "budget_log2"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vx

BENCHMARK_MAIN();
