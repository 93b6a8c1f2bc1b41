#pragma once

#include <string_view>

#include "platform/application.h"
#include "platform/scripted_ui.h"
#include "settings/ini_form.h"
#include "support/temp_dir.h"

namespace vx::test {

// A temporary installation and the settings object read from it, with the records of the
// start-up cleared.
struct Installed {
    explicit Installed(std::string_view vxIni = {})
        : install(vxIni), ini(ui, app, install.ProgramFileName()) {
        ui.ClearRecords();
    }
    TempInstallation install;
    ScriptedUi ui;
    TApplication app;
    TIniForm ini;
};

}  // namespace vx::test
