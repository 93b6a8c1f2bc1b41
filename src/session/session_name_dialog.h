#pragma once

#include <string>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/ui.h"

namespace vx {

// What the two dialogs that name a session share: OK, Cancel and Hilfe over the name typed
// into the dialog's edit box.
class TSessionNameDialog : public TForm {
public:
    TButton ButtonOK, ButtonCancel, ButtonHilfe;

    // A refused name keeps the dialog open with its message.
    void ButtonOKClick();
    void ButtonCancelClick() { ModalAnswer = ModalResult::Cancel; }
    void ButtonHilfeClick();

protected:
    // `nameEdit` is the dialog's own edit box, a member of the derived window.
    TSessionNameDialog(std::string name, std::string caption, Ui& ui, const TEdit& nameEdit);

private:
    Ui& ui_;
    const TEdit& nameEdit_;
};

}  // namespace vx
