#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"
#include "session/one_br_trace.h"
#include "session/smallest_conflict.h"
#include "textbase/tools.h"

namespace vx {

// The result window: the report of the last 1BR run and the one before it, and the result
// lists of the 2BR computation. Every memo is read-only for the person.
class TResultForm : public TForm {
public:
    TResultForm();

    TProgressBar ProgressBarErgebnis;

    TPageControl PageControl;     // "1BR", "2BR"
    TPageControl PageControl1BR;  // "Result", "Last Results", "Explanation"
    TPageControl PageControl2BR;  // "Results", "Session result", "TS results", "TS relations",
                                  // "Mixed Relations"
    TPageControl PageControlTS;   // one page per logic: "DefWW" ... "RL5"

    TMemo ResultMemo;
    TMemo Memo_Last_Results;
    // "Explanation": the SE values of the last run to choose from, the explanation, and the
    // search for the smallest conflict.
    TListBox ListBoxSEValues;
    TMemo Memo_Explanation;
    TButton ButtonSmallestConflict;
    TMemo Memo_Results;
    TMemo Memo_SessionResults;
    TMemo Memo_DefWW, Memo_DefEW, Memo_DefDW, Memo_NewXW;
    TMemo Memo_RL1, Memo_RL2, Memo_RL3, Memo_RL4, Memo_RL5;
    TMemo Memo_TSRelations;
    TMemo Memo_MixedRelations;

    // The memos of the "TS results" pages, in page order.
    std::vector<TMemo*> TSResultMemos();

    // Shows the window with a new 1BR report on "Result"; "Last Results" receives the report
    // that "Result" held.
    void Show1BRReport(const std::vector<std::string>& lines);

    // Puts what the 1BR run of `session` recorded on "Explanation": its conflict, and its SE
    // values to choose from. The smallest conflict is searched in the session as it was run,
    // with the method files found through `settings`.
    void ShowExplanation(OneBRTrace trace, TextList session, TextBaseSettings settings);
    // Shows the derivation of the SE value chosen in ListBoxSEValues.
    void ListBoxSEValuesClick();
    // Searches the smallest set of the run's lines that still ends in a conflict and shows it.
    void ButtonSmallestConflictClick();

    const OneBRTrace& Trace() const { return trace_; }
    const std::optional<SmallestConflict>& FoundSmallestConflict() const { return smallest_; }

private:
    void ShowExplanationText();

    OneBRTrace trace_;
    TextList session_;
    TextBaseSettings settings_;
    std::optional<SmallestConflict> smallest_;
};

// One of the nine lists of the "TS results" pages: the logic whose results it holds, the
// caption of its page, the header line a 2BR run writes first, and its memo.
struct TSResultList {
    const char* Logic;
    const char* Caption;
    const char* Header;
    const char* MemoName;
    TMemo TResultForm::*Memo;
};

// The TS result lists in page order.
extern const std::array<TSResultList, 9> kTSResultLists;

}  // namespace vx
