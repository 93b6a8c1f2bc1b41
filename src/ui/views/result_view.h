#pragma once

#include "session/result_form.h"
#include "ui/form_view.h"

class QTabWidget;

namespace vx::qt {

// The result window: the progress bar and the pages of the 1BR report and the 2BR results,
// each a read-only memo.
class ResultView : public FormView {
public:
    ResultView(GuiHost& host, TResultForm& form);

private:
    QTabWidget* NewPages(const char* name, TPageControl& pages);
    // "Explanation": the SE values of the run, the explanation, "Smallest conflict".
    QWidget* NewExplanationPage(TResultForm& form);
    // A tab page with a read-only memo bound to `memo`.
    QWidget* NewMemo(const char* name, TMemo& memo);
};

}  // namespace vx::qt
