#include "session/result_form.h"

namespace vx {
namespace {

const char* const kChooseValue = "Choose an SE value in the list to see its derivation.";

void SetPages(TPageControl& pages, std::initializer_list<const char*> captions) {
    for (const char* caption : captions) {
        pages.Pages.push_back(TabSheet(caption));
    }
}

}  // namespace

const std::array<TSResultList, 9> kTSResultLists = {{
    {"DefWW", "DefWW", "//DefWW Results:", "Memo_DefWW", &TResultForm::Memo_DefWW},
    {"DefEW", "DefEW", "//DefEW Results:", "Memo_DefEW", &TResultForm::Memo_DefEW},
    {"DefDW", "DefDW", "//DefDW Results:", "Memo_DefDW", &TResultForm::Memo_DefDW},
    {"NewXW", "NewXW", "//DefXW Results:", "Memo_NewXW", &TResultForm::Memo_NewXW},
    {"RL1", "RL1", "//Range Logic 1 Results:", "Memo_RL1", &TResultForm::Memo_RL1},
    {"RL2", "RL2", "//Range Logic 2 Results:", "Memo_RL2", &TResultForm::Memo_RL2},
    {"RL3", "RL3", "//Range Logic 3 Results:", "Memo_RL3", &TResultForm::Memo_RL3},
    {"RL4", "RL4", "//Range Logic 4 Results:", "Memo_RL4", &TResultForm::Memo_RL4},
    {"RL5", "RL5", "//Range Logic 5 Results:", "Memo_RL5", &TResultForm::Memo_RL5},
}};

TResultForm::TResultForm()
    : TForm("TResultForm", "Result-Status"), ButtonSmallestConflict(Button("Smallest conflict")) {
    SetPages(PageControl, {"1BR", "2BR"});
    SetPages(PageControl1BR, {"Result", "Last Results", "Explanation"});
    ButtonSmallestConflict.Enabled = false;
    SetPages(PageControl2BR,
             {"Results", "Session result", "TS results", "TS relations", "Mixed Relations"});
    for (const TSResultList& list : kTSResultLists) {
        PageControlTS.Pages.push_back(TabSheet(list.Caption));
    }
    for (TMemo* memo : {&ResultMemo, &Memo_Last_Results, &Memo_Explanation, &Memo_Results,
                        &Memo_SessionResults, &Memo_TSRelations, &Memo_MixedRelations}) {
        memo->ReadOnly = true;
    }
    for (TMemo* memo : TSResultMemos()) {
        memo->ReadOnly = true;
    }
}

std::vector<TMemo*> TResultForm::TSResultMemos() {
    std::vector<TMemo*> memos;
    for (const TSResultList& list : kTSResultLists) {
        memos.push_back(&(this->*list.Memo));
    }
    return memos;
}

void TResultForm::Show1BRReport(const std::vector<std::string>& lines) {
    Show();
    PageControl.ActivePageIndex = 0;
    PageControl1BR.ActivePageIndex = 0;
    Memo_Last_Results.Lines.Clear();
    Memo_Last_Results.Lines.Assign(ResultMemo.Lines.Lines());
    ResultMemo.Lines.Clear();
    ResultMemo.Lines.Assign(lines);
}

}  // namespace vx

namespace vx {

void TResultForm::ShowExplanation(OneBRTrace trace, TextList session, TextBaseSettings settings) {
    trace_ = std::move(trace);
    session_ = std::move(session);
    settings_ = std::move(settings);
    smallest_.reset();
    ListBoxSEValues.Items.clear();
    for (const Derivation& entry : trace_.Entries) {
        ListBoxSEValues.Items.push_back(entry.Value);
    }
    ListBoxSEValues.ItemIndex = -1;
    ButtonSmallestConflict.Enabled = trace_.Conflict.has_value();
    ShowExplanationText();
}

void TResultForm::ListBoxSEValuesClick() {
    ShowExplanationText();
}

void TResultForm::ButtonSmallestConflictClick() {
    if (!trace_.Conflict) {
        return;
    }
    smallest_ = FindSmallestConflict(session_, settings_);
    ShowExplanationText();
}

void TResultForm::ShowExplanationText() {
    std::vector<std::string> lines = ExplanationLines(trace_);
    const auto add = [&lines](const std::vector<std::string>& more) {
        lines.push_back(" ");
        lines.insert(lines.end(), more.begin(), more.end());
    };
    const int chosen = ListBoxSEValues.ItemIndex;
    if (chosen >= 0 && chosen < static_cast<int>(trace_.Entries.size())) {
        add(DerivationLines(trace_, chosen + 1));
    } else if (!trace_.Conflict) {
        lines.push_back(kChooseValue);
    }
    if (smallest_) {
        add(SmallestConflictLines(*smallest_));
    }
    Memo_Explanation.Lines.Assign(std::move(lines));
}

}  // namespace vx
