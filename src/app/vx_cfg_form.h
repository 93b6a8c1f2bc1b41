#pragma once

#include "platform/controls.h"
#include "platform/form.h"

namespace vx {

class TIniForm;

// The configuration window. Its buttons carry no actions and no menu entry opens it.
class TvxCfgForm : public TForm {
public:
    explicit TvxCfgForm(const TIniForm& ini);

    TPageControl PageControl;  // "General", and the hidden page "Sessions"
    TRadioGroup PreferedLanguage;
    TButton HelpButton, ApplyButton, CancelButton;
    TCheckBox SessionInterpretation;

    // When shown it selects the language of the settings.
    void FormShow();

private:
    const TIniForm& ini_;
};

}  // namespace vx
