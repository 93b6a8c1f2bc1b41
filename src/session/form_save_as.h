#pragma once

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/ui.h"

namespace vx {

// "SaveAs": the modal dialog that names the session for "Session save as".
class TFormSaveAs : public TForm {
public:
    explicit TFormSaveAs(Ui& ui);

    TLabel LabelSaveAs;
    TEdit EditSaveAs;
    TButton ButtonOK, ButtonCancel, ButtonHilfe;

    // A refused name keeps the dialog open with its message.
    void ButtonOKClick();
    void ButtonCancelClick() { ModalAnswer = ModalResult::Cancel; }
    void ButtonHilfeClick();

private:
    Ui& ui_;
};

}  // namespace vx
