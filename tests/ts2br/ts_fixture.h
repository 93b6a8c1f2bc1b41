#pragma once

#include <filesystem>

#include "logic/logic_model.h"
#include "platform/scripted_ui.h"
#include "ts2br/anals_2br.h"

namespace vx::test {

// Reads Main.ini and Logic.ini of an ini directory into a model, as choosing a 2BR session
// does; the loaders' messages go to `ui`.
LogicModel LoadLogic(const std::filesystem::path& iniDir, Ui& ui);
// The logic of the demo session Breakfast.
LogicModel DemoLogic();

// An analysis engine over `logic` without 1BR operators.
struct AnalsFixture {
    explicit AnalsFixture(const LogicModel& logic);
    ScriptedUi ui;
    TAnals2BR anals;
};

}  // namespace vx::test
