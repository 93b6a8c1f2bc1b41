#pragma once

#include <string>
#include <vector>

#include "logic/logic_model.h"

namespace vx {

// What computing one TS line of the default WW logic gave.
struct TSLineOutcome {
    // "OK", or the result of the step that stopped: the pre-analysis of the logic, "ERROR"
    // after a syntax error (see Target), the analysis' error text, or the line computation's
    // "Error compting part of TS: ..." text.
    std::string Result;
    // ", MATCHES with SE-Target: ..." or ", INCONSISTENT with SE-Target: ..." to append to the
    // result-list line; empty when no verdict was reached.
    std::string Verdict;
    std::vector<std::string> Target;    // findings of the syntax check
    std::vector<std::string> Messages;  // the message boxes of the steps, in order
};

// Checks, analyses and evaluates one prepared TS line (as the DefWW result list holds it, e.g.
// "S12E3:~TS1u(TS2oTS3)") against the target value of its SE (-1 when it has none), with the
// steps "TS start" runs for each line of the default WW logic.
TSLineOutcome ComputeTSLine(const LogicModel& logic, const std::string& line, int target);

}  // namespace vx
