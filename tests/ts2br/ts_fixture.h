#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "logic/logic_model.h"
#include "platform/scripted_ui.h"
#include "ts2br/anals_2br.h"

namespace vx::test {

// Reads Main.ini and Logic.ini of an ini directory into a model, as choosing a 2BR session
// does; the loaders' messages go to `ui`.
LogicModel LoadLogic(const std::filesystem::path& iniDir, Ui& ui);
// The logic of the demo session Breakfast.
LogicModel DemoLogic();

// The lines, each ended by "\n", as a golden file holds them.
std::string Joined(const std::vector<std::string>& lines);

// An analysis engine over `logic` without 1BR operators.
struct AnalsFixture {
    explicit AnalsFixture(const LogicModel& logic);
    ScriptedUi ui;
    TAnals2BR anals;
};

}  // namespace vx::test
