#pragma once

#include <string>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/ui.h"

namespace vx {

class TIniForm;

// The rules window: the text of one numbered rule, Regeln\VXR<n>.txt.
class TRegelnForm : public TForm {
public:
    TRegelnForm(Ui& ui, const TIniForm& ini);

    TLabel VXRLabel;
    TEdit EditVXR;
    TButton RegelnWahlButton, HilfeButton;
    TMemo RegelnMemo;

    void OeffneRegeln() { Show(); }
    void RegelnWahlButtonClick();
    void HilfeButtonClick();

private:
    Ui& ui_;
    std::string root_;
};

}  // namespace vx
