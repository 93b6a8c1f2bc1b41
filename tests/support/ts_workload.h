#pragma once

#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "logic/logic_model.h"
#include "ts2br/anals_2br.h"
#include "ts2br/ts_text.h"

// Logics and TS lines made in code, and the steps of "TS start" run on them, for the
// benchmarks and the tests of the 2BR evaluation.
namespace vx::ts_workload {

// A logic given by its value codes and operator functions on codes; the unary operators come
// first in table order, then the binary ones, each with its sign.
struct LogicDefinition {
    std::vector<int> codes;
    std::vector<std::pair<std::string, std::function<int(int)>>> unary;
    std::vector<std::pair<std::string, std::function<int(int, int)>>> binary;
};

// Fills the WW type (values, operator records and tables) and the operator definitions.
LogicModel MakeLogic(const LogicDefinition& definition);

// Codes ranked by truth from the first (true) to the last (false): ~ reverses the rank,
// u takes the lower, o the higher, => is ~a o b and <=> (a => b) u (b => a).
LogicDefinition RankedLogic(const std::vector<int>& codes);

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

// A logic over the codes 10, 20, ... (`valence` of them, 40 left out) in rank order: "x" adds
// ranks modulo the valence and "~" negates a rank modulo the valence, so that x and ~x cancel;
// "o" takes the lower rank.
LogicModel CyclicLogic(int valence);

// A line of CyclicLogic that no pruning by value sets can cut: every one of `freeTS` TS occurs
// as TSk and as ~TSk in one chain of "x", in random order and brackets, so the chain is the
// first code on every row and yet, while any TS is free, every value seems reachable. Without
// `match` the target is another code: no row matches. With `match` the chain is joined by "x"
// to TS1 o TS2 o ... (a third occurrence of each TS) and the target is the last code: only
// the last row, every TS at the last code, matches.
struct HardLine {
    std::string part;
    int target = 0;
};
HardLine HardChainLine(std::mt19937& rng, int valence, int freeTS, bool match);

enum class Evaluation { Compiled, Walk };

// What the 2BR steps of the default WW logic left behind.
struct LogicRun {
    std::vector<std::string> lines;    // the result-list lines with their verdicts
    std::vector<std::string> target;   // WorkTarget without its header
    std::vector<std::string> results;  // "<step>=<result>" for each step run
};

// Runs the steps of "TS start" for the default WW logic on result-list lines (without the
// header line): fills the work lists, pre-analyses the logic, checks, analyses, and evaluates
// every line against the target of its SE (-1 when `targets` has none). `afterLine` is called
// with the work-list line and its target right after each line is evaluated.
LogicRun RunDefWW(TAnals2BR& anals, const std::vector<std::string>& lines,
                  const std::map<std::string, int>& targets, Evaluation evaluation,
                  const std::function<void(int line, int target)>& afterLine = {});

// The rows of work-list line `line` that give `target`, found by walking every row over the
// layers; to be called right after the line was evaluated, whose rows it walks.
std::uint64_t CountMatchesByWalkingEveryRow(TAnals2BR& anals, int line, int target);
// The same with the compiled line evaluated on every row in turn; fast enough for the 244
// million rows of twelve free TS at valence 5, in seconds.
std::uint64_t CountMatchesByScanningEveryRow(TAnals2BR& anals, int line, int target);

}  // namespace vx::ts_workload
