#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "logic/loaders.h"
#include "platform/host_path.h"
#include "platform/scripted_ui.h"

namespace vx::fuzz {

std::vector<std::string_view> Parts(std::string_view text, std::size_t count) {
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < count) {
        const auto nul = text.find('\0');
        if (nul == std::string_view::npos) {
            break;
        }
        parts.push_back(text.substr(0, nul));
        text.remove_prefix(nul + 1);
    }
    parts.push_back(text);
    parts.resize(count);
    return parts;
}

std::string DemoPath(std::string_view relative) {
    return ToSystemPath(std::filesystem::path(VX_DEMO_DIR) / std::string(relative));
}

std::string DemoBytes(std::string_view relative) {
    return ReadFileBytes(DemoPath(relative));
}

IniFile DemoSessionIni(std::string_view name) {
    const std::string relative = "Sessions/_2BR_Breakfast/ini/" + std::string(name);
    return IniFile(DemoPath(relative), DemoBytes(relative));
}

namespace {

LogicModel LoadDemo(bool withLogic) {
    LogicModel model;
    ScriptedUi ui;
    if (logic::ReadMainIni(model, DemoSessionIni("Main.ini"), ui) != 1 ||
        (withLogic && logic::ReadLogicIni(model, DemoSessionIni("Logic.ini"), ui) != 1)) {
        Broken("the demo logic does not load");
    }
    return model;
}

}  // namespace

const LogicModel& DemoMainModel() {
    static const LogicModel model = LoadDemo(false);
    return model;
}

const LogicModel& DemoLogicModel() {
    static const LogicModel model = LoadDemo(true);
    return model;
}

void Broken(const char* what) {
    std::fprintf(stderr, "fuzz: broken expectation: %s\n", what);
    std::abort();
}

}  // namespace vx::fuzz
