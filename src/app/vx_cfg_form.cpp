#include "app/vx_cfg_form.h"

#include "settings/ini_form.h"

namespace vx {

TvxCfgForm::TvxCfgForm(const TIniForm& ini) : TForm("TvxCfgForm", "vx Config"), ini_(ini) {
    PageControl.Pages = {TabSheet("General"), TabSheet("Sessions", false)};
    PreferedLanguage.Caption = "Prefered Language";
    PreferedLanguage.Items = {"EN", "LANG-X"};
    HelpButton.Caption = "Help";
    ApplyButton.Caption = "Apply";
    CancelButton.Caption = "Cancel";
    SessionInterpretation.Caption = "Session Interpretation";
    SessionInterpretation.Enabled = false;
}

void TvxCfgForm::FormShow() {
    PreferedLanguage.ItemIndex = -1;
    for (int i = 0; i < static_cast<int>(PreferedLanguage.Items.size()); ++i) {
        if (PreferedLanguage.Items[static_cast<std::size_t>(i)] == ini_.Language) {
            PreferedLanguage.ItemIndex = i;
        }
    }
    Show();
}

}  // namespace vx
