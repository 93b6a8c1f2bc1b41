#pragma once

#include "ui/form_view.h"
#include "viewer/form_read_only.h"

class QTabWidget;

namespace vx::qt {

// The read-only viewer: language, type and element choice, the buttons, and the eight
// document tabs. Free tabs (empty caption) are not shown.
class ReadOnlyView : public FormView {
public:
    ReadOnlyView(GuiHost& host, TFormReadOnly& form);

protected:
    void Push() override;
    void Pull() override;

private:
    TFormReadOnly& form_;
    QTabWidget* tabs_;
};

}  // namespace vx::qt
