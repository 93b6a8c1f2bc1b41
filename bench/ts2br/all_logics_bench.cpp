#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "app/vx_app.h"
#include "platform/scripted_ui.h"
#include "support/temp_dir.h"
#include "support/ts_workload.h"
#include "ts2br/ts_text.h"

// "Compute all" on the demo session Breakfast whose configuration is widened to all eight
// logics (the four value types and four range logics, each with the ranked tables over
// 10 > 20 > 30 > 50, so no Simple40), with 100 lines per logic of six free TS each
// (4096 rows per line): sorting, one reading of the SE list, and per logic the check, the
// analysis and every line. With targets among the values most lines match early; with the
// target 40, which no logic has, every row of every line is tried.
namespace vx {
namespace {

constexpr int kLinesPerLogic = 100;
const char* const kLogics[] = {"DefWW", "DefEW", "DefDW", "NewXW", "RL1", "RL2", "RL3", "RL4"};

void ConfigureEightLogics(LogicModel& logic) {
    const LogicModel ranked = ts_workload::MakeLogic(ts_workload::RankedLogic({10, 20, 30, 50}));
    logic.UnaryOpDefs = ranked.UnaryOpDefs;
    logic.BinaryOpDefs = ranked.BinaryOpDefs;
    for (int t = 1; t <= kXWTypes; ++t) {
        logic.XWType(t) = ranked.WWType;
    }
    logic.InfoWW.Removed = logic.InfoEW.Removed = logic.InfoDW.Removed = "No";
    logic.InfoNewXW.Number = "1";
    logic.RangeLogicsInfo.NumberText = "4";
    for (int r = 1; r <= kMaxRangeLogics; ++r) {
        logic.RangeLogicsInfo.RLType[r] = "R" + std::to_string(r) + "W";
        logic.RLTypes[r] = ranked.WWType;
        logic.RLOpDefs[r].Unary = ranked.UnaryOpDefs;
        logic.RLOpDefs[r].Binary = ranked.BinaryOpDefs;
    }
    logic.MiscLogic.IsMetalogic = "EMPTY";
}

// 100 TS lines per logic with exactly six distinct TS, each for a sentence of its own.
void FillSession(TSessionForm& session, const LogicModel& logic, bool unreachable) {
    std::mt19937 rng(2026);
    ts_workload::LineOptions options;
    options.distinctTS = 6;
    options.maxOperands = 4;
    options.prescribedPercent = 0;
    TextList& ts = session.MemoTS.Lines;
    TextList& se = session.Memo2BRSes.Lines;
    ts.Assign({"//vx2.0b, 2BR TS "});
    se.Assign({"//vx2.0b, 2BRSession "});
    int sentence = 0;
    for (const char* name : kLogics) {
        for (int i = 0; i < kLinesPerLogic;) {
            const std::string part = ts_workload::RandomTSPart(rng, logic, options);
            if (ts::CountDistinctTS(part) != "6") {
                continue;
            }
            ++i;
            const std::string id = "S1E" + std::to_string(++sentence);
            const int target = unreachable ? 40 : logic.WWType.ValueCode[1 + sentence % 4];
            ts.Add(id + " (" + name + ";;) : " + part);
            se.Add(id + "WW" + std::to_string(target) + ": ");
        }
    }
}

void BM_ComputeAllEightLogics(benchmark::State& state) {
    test::DemoCopy dir;
    ScriptedUi ui;
    VxApp app(ui, dir.ProgramFileName());
    TSessionForm& session = app.SessionForm;
    if (!session.OpenSession("Breakfast", true, app.IniForm.SessionsPath + "_2BR_Breakfast")) {
        state.SkipWithError("the demo session Breakfast did not open");
        return;
    }
    ConfigureEightLogics(app.IniForm.Logic);
    FillSession(session, app.IniForm.Logic, state.range(0) == 1);
    for (auto _ : state) {
        session.ButtonComputeAllClick();
    }
    const TextList& results = app.ResultForm.Memo_Results.Lines;
    int matches = 0;
    for (const TMemo* memo : app.ResultForm.TSResultMemos()) {
        for (const std::string& line : memo->Lines.Lines()) {
            matches += line.find(", MATCHES") != std::string::npos ? 1 : 0;
        }
    }
    // "Results" keeps the lines of every run: "OK" and a summary per logic and run.
    if (results.Count() != 2 * 8 * static_cast<int>(state.iterations()) || !ui.Messages.empty()) {
        state.SkipWithError("not every logic was computed");
    }
    state.counters["lines"] = 8 * kLinesPerLogic;
    state.counters["matching_lines"] = matches;
    state.SetLabel(state.range(0) == 1 ? "every row tried" : "targets among the values");
}
BENCHMARK(BM_ComputeAllEightLogics)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("unreachable")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vx

BENCHMARK_MAIN();
