#pragma once

#include "textbase/vx_main_form_saetze.h"
#include "ui/form_view.h"

class QLineEdit;
class QPlainTextEdit;

namespace vx::qt {

// The topics-and-sentences window with its pages "BR1 SE", "TS", "BR2 SE" and "BR3".
class VxMainView : public FormView {
public:
    VxMainView(GuiHost& host, TVxMainFormSaetze& form);

protected:
    void Push() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildBR1Page();
    QWidget* BuildTSPage();
    QWidget* Build2BRPage();
    QWidget* Build3BRPage();
    // A pop-up menu of one item on a memo; `onOpen` runs before the menu is shown.
    void AddPopup(QPlainTextEdit* memo, const QString& item, Handler onOpen, Handler onItem);

    TVxMainFormSaetze& form_;
    QPlainTextEdit* mainMemo_ = nullptr;
    QLineEdit* topicEdit_ = nullptr;
};

}  // namespace vx::qt
