#pragma once

#include <string>
#include <vector>

#include "app/menue_form.h"
#include "app/vx_cfg_form.h"
#include "deploy/deploy_form.h"
#include "platform/application.h"
#include "platform/ui.h"
#include "session/form_save_as.h"
#include "session/interprt_form.h"
#include "session/neue_session_form.h"
#include "session/result_form.h"
#include "session/result_save.h"
#include "session/save_as_res_form.h"
#include "session/session_delete.h"
#include "session/session_form.h"
#include "session/wahle_dlg_box_form.h"
#include "settings/ini_form.h"
#include "textbase/form_open_free.h"
#include "textbase/form_s_save_as.h"
#include "textbase/vater2_methoden_form.h"
#include "textbase/vx_main_form_saetze.h"
#include "textbase/ww_rel_form.h"
#include "textbase/ww_rel_read_form.h"
#include "ts2br/form_anals_2br.h"
#include "ts2br/form_mixed_types_2br.h"
#include "ts2br/form_ts_rels.h"
#include "upgrade/dlg_form_2br.h"
#include "upgrade/form_1br_logic.h"
#include "upgrade/lists_form.h"
#include "upgrade/set_br_form.h"
#include "upgrade/step4_upgr_man.h"
#include "viewer/form_read_only.h"
#include "viewer/hilfe_form.h"
#include "viewer/regeln_form.h"

namespace vx {

// The application: creates every window in the start-up order (members are constructed in
// declaration order), the main menu first and the settings object second, then wires the
// menu to the windows it opens. Every window is hidden except the main menu.
// A window's constructor only stores the references it gets: some point to windows that are
// built after it.
class VxApp {
public:
    // `programFileName` in the system's path form; the installation root derives from it.
    VxApp(Ui& ui, std::string programFileName);
    VxApp(const VxApp&) = delete;
    VxApp& operator=(const VxApp&) = delete;

    // True when start-up, or "Quit", asked the program to end.
    bool TerminateRequested() const { return application_.Terminated(); }
    // Every window, in creation order.
    std::vector<TForm*> Forms();
    // The main window's status line: the open session, the mode, the upgrade step that is
    // due and whether a computation runs.
    std::string StatusLine() const;

private:
    Ui& ui_;
    TApplication application_;

public:
    TMenueForm MenueForm;
    TIniForm IniForm;
    TVxMainFormSaetze VxMainFormSaetze;
    THilfeForm HilfeForm;
    TSessionForm SessionForm;
    TWahleDlgBoxForm WahleDlgBoxForm;
    TFormSaveAs FormSaveAs;
    TNeueSessionForm NeueSessionForm;
    TResultForm ResultForm;
    TSaveAsResForm SaveAsResForm;
    TVater2MethodenForm Vater2MethodenForm;
    TInterprtForm InterprtForm;
    TRegelnForm RegelnForm;
    TWWRelForm WWRelForm;
    TWWRelReadForm WWRelReadForm;
    TFormSSaveAs FormSSaveAs;
    TDeployForm DeployForm;
    TvxCfgForm vxCfgForm;
    TFormReadOnly FormReadOnly;
    TSetBRForm SetBRForm;
    TListsForm ListsForm;
    TDlgForm2BR DlgForm2BR;
    TFormOpenFree FormOpenFree;
    TFormMixedTypes2BR FormMixedTypes2BR;
    TFormTSRels FormTSRels;
    TFormAnals2BR FormAnals2BR;
    TForm1BRLogic Form1BRLogic;
    TStep4UpgrMan Step4UpgrMan;

    // "Result save" and "Session delete" of the main menu.
    ResultSaver ResultSave;
    SessionDeleter SessionDelete;

private:
    void WireMenu();
};

}  // namespace vx
