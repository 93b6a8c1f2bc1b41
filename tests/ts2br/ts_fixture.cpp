#include "ts_fixture.h"

#include "logic/loaders.h"
#include "platform/host_path.h"
#include "support/golden.h"
#include "ts2br/ts_text.h"
#include "ts_workload.h"

namespace vx::test {

LogicModel LoadLogic(const std::filesystem::path& iniDir, Ui& ui) {
    LogicModel model;
    const std::string dir = ToSystemPath(iniDir);
    if (logic::ReadMainIni(model, dir, ui) == 1) {
        logic::ReadLogicIni(model, dir, ui);
    }
    return model;
}

LogicModel DemoLogic() {
    ScriptedUi ui;
    return LoadLogic(DemoDir() / "Sessions" / "_2BR_Breakfast" / "ini", ui);
}

AnalsFixture::AnalsFixture(const LogicModel& logic)
    : anals(ui, logic, ts_workload::NoLogops(), ts_workload::NoLogops()) {}

LogicRun RunDefWW(TFormAnals2BR& anals, const std::vector<std::string>& lines,
                  const std::map<std::string, int>& targets, Evaluation evaluation) {
    const std::string logic = "DefWW";
    LogicRun run;
    run.lines = lines;
    anals.MemoPrepare.Lines.Assign({TFormAnals2BR::kHeaderPrepare});
    anals.MemoSource.Lines.Assign({TFormAnals2BR::kHeaderSource});
    anals.MemoTarget.Lines.Assign({TFormAnals2BR::kHeaderTarget});
    std::vector<int> resultLine{0};
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::string& line = lines[k];
        if (line.empty() || line[0] == '/') {
            continue;
        }
        anals.MemoSource.Lines.Add(ts::SplitSETS(line, "TS"));
        anals.MemoPrepare.Lines.Add(line + ts::kOnSELine + std::to_string(k + 1));
        resultLine.push_back(static_cast<int>(k));
    }
    const auto step = [&](const std::string& name, const std::string& result) {
        run.results.push_back(name + "=" + result);
        return result;
    };
    if (step("AnalyzeLogics", anals.AnalyzeLogics(logic)) != "OK") {
        return run;
    }
    const int check = anals.SyntaxCheckTS(logic);
    step("SyntaxCheckTS", std::to_string(check));
    for (int i = 1; i < anals.MemoTarget.Lines.Count(); ++i) {
        run.target.push_back(anals.MemoTarget.Lines[i]);
    }
    if (check != 1 || step("Analyze_TS", anals.Analyze_TS(logic)) != "OK") {
        return run;
    }
    anals.LogicsAnalysis[1].Name = logic;
    anals.LogicsAnalysis[1].Algorithm = "BF";
    if (step("IniAllComputeTS_2BRStructs", anals.IniAllComputeTS_2BRStructs()) != "OK") {
        return run;
    }
    for (int i = 1; i < anals.MemoSource.Lines.Count(); ++i) {
        if (anals.MemoSource.Lines[i].empty()) {
            continue;
        }
        anals.IniTS(i);
        const auto found = targets.find(anals.DepthStructe(i).SE);
        const int target = found == targets.end() ? -1 : found->second;
        std::string verdict;
        const std::string result = evaluation == Evaluation::Compiled
                                       ? anals.ComputeLineTS(logic, i, target, verdict)
                                       : anals.ComputeLineTSByWalk(logic, i, target, verdict);
        run.lines[static_cast<std::size_t>(resultLine[static_cast<std::size_t>(i)])] += verdict;
        if (result != "OK") {
            step("line " + std::to_string(i), result);
        }
    }
    return run;
}

}  // namespace vx::test
