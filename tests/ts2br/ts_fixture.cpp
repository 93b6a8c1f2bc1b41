#include "ts_fixture.h"

#include "logic/loaders.h"
#include "platform/host_path.h"
#include "support/golden.h"
#include "support/ts_workload.h"

namespace vx::test {

LogicModel LoadLogic(const std::filesystem::path& iniDir, Ui& ui) {
    LogicModel model;
    const std::string dir = ToSystemPath(iniDir);
    if (logic::ReadMainIni(model, dir, ui) == 1) {
        logic::ReadLogicIni(model, dir, ui);
    }
    return model;
}

LogicModel DemoLogic() {
    ScriptedUi ui;
    return LoadLogic(DemoDir() / "Sessions" / "_2BR_Breakfast" / "ini", ui);
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

AnalsFixture::AnalsFixture(const LogicModel& logic)
    : anals(ui, logic, ts_workload::NoLogops(), ts_workload::NoLogops()) {}

}  // namespace vx::test
