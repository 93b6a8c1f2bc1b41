#include <memory>

#include "ui/form_view.h"
#include "ui/gui_host.h"
#include "ui/views/about_view.h"
#include "ui/views/cfg_view.h"
#include "ui/views/deploy_view.h"
#include "ui/views/hilfe_view.h"
#include "ui/views/menu_view.h"
#include "ui/views/open_free_view.h"
#include "ui/views/read_only_view.h"
#include "ui/views/regeln_view.h"
#include "ui/views/relations_view.h"
#include "ui/views/result_view.h"
#include "ui/views/s_save_as_view.h"
#include "ui/views/session_dialogs_view.h"
#include "ui/views/session_view.h"
#include "ui/views/ts_rels_view.h"
#include "ui/views/upgrade_views.h"
#include "ui/views/vx_main_view.h"

namespace vx::qt {

void CreateViews(GuiHost& host, VxApp& app) {
    host.AddView(std::make_unique<MenuView>(host, app.MenueForm));
    host.AddView(std::make_unique<AboutView>(host, app.IniForm));
    host.AddView(std::make_unique<CfgView>(host, app.vxCfgForm));
    host.AddView(std::make_unique<VxMainView>(host, app.VxMainFormSaetze));
    host.AddView(std::make_unique<HilfeView>(host, app.HilfeForm));
    host.AddView(std::make_unique<SessionView>(host, app.SessionForm));
    host.AddView(std::make_unique<WahleDlgBoxView>(host, app.WahleDlgBoxForm));
    host.AddView(std::make_unique<FormSaveAsView>(host, app.FormSaveAs));
    host.AddView(std::make_unique<NeueSessionView>(host, app.NeueSessionForm));
    host.AddView(std::make_unique<SaveAsResView>(host, app.SaveAsResForm));
    host.AddView(std::make_unique<RelationsView>(host, app.Vater2MethodenForm));
    host.AddView(std::make_unique<RegelnView>(host, app.RegelnForm));
    host.AddView(std::make_unique<RelationsView>(host, app.WWRelForm));
    host.AddView(std::make_unique<RelationsView>(host, app.WWRelReadForm));
    host.AddView(std::make_unique<SSaveAsView>(host, app.FormSSaveAs));
    host.AddView(std::make_unique<ReadOnlyView>(host, app.FormReadOnly));
    host.AddView(std::make_unique<OpenFreeView>(host, app.FormOpenFree));
    host.AddView(std::make_unique<ResultView>(host, app.ResultForm));
    host.AddView(std::make_unique<DeployView>(host, app.DeployForm));
    host.AddView(std::make_unique<SetBRView>(host, app.SetBRForm));
    host.AddView(std::make_unique<ListsView>(host, app.ListsForm));
    host.AddView(std::make_unique<TSRelsView>(host, app.FormTSRels));
    host.AddView(std::make_unique<Form1BRLogicView>(host, app.Form1BRLogic));
    host.AddView(std::make_unique<Step4UpgrManView>(host, app.Step4UpgrMan));
    // Windows drawn with their caption only, until their own view exists.
    for (TForm* form : app.Forms()) {
        if (host.ViewOf(*form) == nullptr) {
            host.AddView(std::make_unique<GenericView>(host, *form));
        }
    }
}

}  // namespace vx::qt
