#include <memory>

#include "ui/form_view.h"
#include "ui/gui_host.h"
#include "ui/views/about_view.h"
#include "ui/views/cfg_view.h"
#include "ui/views/menu_view.h"

namespace vx::qt {

void CreateViews(GuiHost& host, VxApp& app) {
    host.AddView(std::make_unique<MenuView>(host, app.MenueForm));
    host.AddView(std::make_unique<AboutView>(host, app.IniForm));
    host.AddView(std::make_unique<CfgView>(host, app.vxCfgForm));
    // Windows drawn with their caption only, until their own view exists.
    for (TForm* form : app.Forms()) {
        if (host.ViewOf(*form) == nullptr) {
            host.AddView(std::make_unique<GenericView>(host, *form));
        }
    }
}

}  // namespace vx::qt
