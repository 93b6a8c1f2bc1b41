// The start-up of the settings object on a vx.ini text.
#include "fuzz_support.h"
#include "platform/application.h"
#include "platform/scripted_ui.h"
#include "settings/ini_form.h"

using namespace vx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string program = fuzz::DemoPath("bin/vx");
    ScriptedUi ui;
    TApplication application;
    const TIniForm ini(ui, application, program, fuzz::Text(data, size));
    if (!application.Terminated() && ini.EveryOnePath.empty()) {
        fuzz::Broken("a start that goes on has no EveryOne path");
    }
    return 0;
}
