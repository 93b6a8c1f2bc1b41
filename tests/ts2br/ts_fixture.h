#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "logic/logic_model.h"
#include "platform/scripted_ui.h"
#include "ts2br/form_anals_2br.h"

namespace vx::test {

// Reads Main.ini and Logic.ini of an ini directory into a model, as choosing a 2BR session
// does; the loaders' messages go to `ui`.
LogicModel LoadLogic(const std::filesystem::path& iniDir, Ui& ui);
// The logic of the demo session Breakfast.
LogicModel DemoLogic();

enum class Evaluation { Compiled, Walk };

// What the 2BR steps of one logic left behind.
struct LogicRun {
    std::vector<std::string> lines;    // the result-list lines with their verdicts
    std::vector<std::string> target;   // MemoTarget without its header
    std::vector<std::string> results;  // "<step>=<result>" for each step run
};

// Runs the steps of "TS start" for the default WW logic on result-list lines (without the
// header line): fills the work lists, pre-analyses the logic, checks, analyses, and evaluates
// every line against the target of its SE (-1 when `targets` has none).
LogicRun RunDefWW(TFormAnals2BR& anals, const std::vector<std::string>& lines,
                  const std::map<std::string, int>& targets, Evaluation evaluation);

// A form over `logic` without 1BR operators.
struct AnalsFixture {
    explicit AnalsFixture(const LogicModel& logic);
    ScriptedUi ui;
    TFormAnals2BR anals;
};

}  // namespace vx::test
