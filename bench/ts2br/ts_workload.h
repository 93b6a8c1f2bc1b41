#pragma once

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "logic/logic_model.h"
#include "ts2br/ts_text.h"

// Logics and TS lines made in code, for the benchmarks and the property tests of the 2BR
// evaluation.
namespace vx::ts_workload {

// A logic given by its value codes and operator functions on codes; the unary operators come
// first in table order, then the binary ones, each with its sign.
struct LogicSpec {
    std::vector<int> codes;
    std::vector<std::pair<std::string, std::function<int(int)>>> unary;
    std::vector<std::pair<std::string, std::function<int(int, int)>>> binary;
};

// Fills the WW type (values, operator records and tables) and the operator definitions.
LogicModel MakeLogic(const LogicSpec& spec);

// Codes ranked by truth from the first (true) to the last (false): ~ reverses the rank,
// u takes the lower, o the higher, => is ~a o b and <=> (a => b) u (b => a).
LogicSpec RankedLogic(const std::vector<int>& codes);

// A logic of valence 2..5 with random tables over random codes (40 among them now and then).
// With `holes`, a few entries give 0 or a code the logic does not have, so that lookups fail.
LogicModel RandomLogic(std::mt19937& rng, bool holes);

// The operator sets of a 1BR logic: none.
const ts::TLogopTable& NoLogops();

struct LineOptions {
    int distinctTS = 4;   // distinct TS numbers drawn from 1..99
    int maxOperands = 4;  // operands per bracket level
    int maxDepth = 3;     // bracket nesting
    int prescribedPercent = 15;
    bool useAll = false;  // every one of the distinct TS occurs
};

// A random TS part over the signs of `logic`; every occurrence of a TS number carries the same
// evaluation list (or none).
std::string RandomTSPart(std::mt19937& rng, const LogicModel& logic, const LineOptions& options);

}  // namespace vx::ts_workload
