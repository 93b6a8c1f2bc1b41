#pragma once

#include "session/session_form.h"
#include "ui/form_view.h"

namespace vx::qt {

// The session window: page "BR1" with the four 1BR lists, "Session start" and "Help"; page
// "BR2" with the three 2BR lists, the logic selector and "TS start". The lists are editable.
class SessionView : public FormView {
public:
    SessionView(GuiHost& host, TSessionForm& form);

private:
    QWidget* BuildBR1Page();
    QWidget* BuildBR2Page();
    QWidget* NewMemoPage(TMemo& memo, const char* name);

    TSessionForm& form_;
};

}  // namespace vx::qt
