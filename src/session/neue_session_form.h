#pragma once

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/ui.h"

namespace vx {

// "Neue Session": the modal dialog that names a new session.
class TNeueSessionForm : public TForm {
public:
    explicit TNeueSessionForm(Ui& ui);

    TLabel LabelNeueSession;
    TEdit EditNeueSession;
    TButton ButtonOK, ButtonCancel, ButtonHilfe;

    // A refused name keeps the dialog open with its message.
    void ButtonOKClick();
    void ButtonCancelClick() { ModalAnswer = ModalResult::Cancel; }
    void ButtonHilfeClick();

private:
    Ui& ui_;
};

}  // namespace vx
