#include "ts2br/ts_line.h"

#include "platform/ui.h"
#include "ts2br/form_anals_2br.h"

namespace vx {
namespace {

// Keeps the messages of the steps instead of showing them; nothing here asks a question.
class MessageRecorder : public Ui {
public:
    void ShowMessage(std::string_view text) override { Messages.emplace_back(text); }
    ModalResult AskYesNoCancel(std::string_view /*text*/) override { return ModalResult::Cancel; }
    ModalResult ShowModal(ModalForm& /*dialog*/) override { return ModalResult::Cancel; }
    std::string ShortDateToday() override { return ""; }

    std::vector<std::string> Messages;
};

const ts::TLogopTable kNo1BRLogops;

}  // namespace

TSLineOutcome ComputeTSLine(const LogicModel& logic, const std::string& line, int target) {
    const std::string logicName = "DefWW";
    MessageRecorder ui;
    TFormAnals2BR anals(ui, logic, kNo1BRLogops, kNo1BRLogops);
    TSLineOutcome outcome;
    const auto finish = [&](std::string result) {
        outcome.Result = std::move(result);
        outcome.Messages = ui.Messages;
        return outcome;
    };
    const std::string tsPart = ts::SplitSETS(line, "TS");
    if (tsPart == "ERROR") {
        return finish("ERROR__SeparateSE_from_TS__TmpStr");
    }
    anals.MemoPrepare.Lines.Assign({TFormAnals2BR::kHeaderPrepare, line + ts::kOnSELine + "1"});
    anals.MemoSource.Lines.Assign({TFormAnals2BR::kHeaderSource, tsPart});
    anals.MemoTarget.Lines.Assign({TFormAnals2BR::kHeaderTarget});
    if (const std::string result = anals.AnalyzeLogics(logicName); result != "OK") {
        return finish(result);
    }
    const int check = anals.SyntaxCheckTS(logicName);
    for (int i = 1; i < anals.MemoTarget.Lines.Count(); ++i) {
        outcome.Target.push_back(anals.MemoTarget.Lines[i]);
    }
    if (check != 1) {
        return finish("ERROR");
    }
    if (const std::string result = anals.Analyze_TS(logicName); result != "OK") {
        return finish(result);
    }
    anals.LogicsAnalysis[1].Name = logicName;
    anals.LogicsAnalysis[1].Algorithm = "BF";
    if (const std::string result = anals.IniAllComputeTS_2BRStructs(); result != "OK") {
        return finish(result);
    }
    anals.IniTS(1);
    return finish(anals.ComputeLineTS(logicName, 1, target, outcome.Verdict));
}

}  // namespace vx
