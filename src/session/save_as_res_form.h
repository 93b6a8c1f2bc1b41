#pragma once

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/ui.h"

namespace vx {

// "Save Result": the modal dialog that names the file "Result save" writes into the sessions
// directory. A name ending in ".json" gives the report as JSON, any other name as its text.
class TSaveAsResForm : public TForm {
public:
    explicit TSaveAsResForm(Ui& ui);

    TLabel LabelSaveAsRes;
    TEdit EditSaveAsRes;
    TButton ButtonOK, ButtonCancel, ButtonHilfe;

    // A refused name keeps the dialog open with its message.
    void ButtonOKClick();
    void ButtonCancelClick() { ModalAnswer = ModalResult::Cancel; }
    void ButtonHilfeClick();

private:
    Ui& ui_;
};

// The help of the dialog.
extern const char* const kMsgHelpResultName;
// The message of a refused name: default.res is emptied by every 1BR run.
extern const char* const kMsgResultNameDefault;

}  // namespace vx
