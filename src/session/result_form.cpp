#include "session/result_form.h"

namespace vx {
namespace {

void SetPages(TPageControl& pages, std::initializer_list<const char*> captions) {
    for (const char* caption : captions) {
        pages.Pages.push_back(TabSheet(caption));
    }
}

}  // namespace

TResultForm::TResultForm() : TForm("TResultForm", "Result-Status") {
    SetPages(PageControl, {"1BR", "2BR"});
    SetPages(PageControl1BR, {"Result", "Last Results"});
    SetPages(PageControl2BR,
             {"Results", "Session result", "TS results", "TS relations", "Mixed Relations"});
    SetPages(PageControlTS,
             {"DefWW", "DefEW", "DefDW", "NewXW", "RL1", "RL2", "RL3", "RL4", "RL5"});
    for (TMemo* memo : {&ResultMemo, &Memo_Last_Results, &Memo_Results, &Memo_SessionResults,
                        &Memo_TSRelations, &Memo_MixedRelations}) {
        memo->ReadOnly = true;
    }
    for (TMemo* memo : TSResultMemos()) {
        memo->ReadOnly = true;
    }
}

std::vector<TMemo*> TResultForm::TSResultMemos() {
    return {&Memo_DefWW, &Memo_DefEW, &Memo_DefDW, &Memo_NewXW, &Memo_RL1,
            &Memo_RL2,   &Memo_RL3,   &Memo_RL4,   &Memo_RL5};
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
