#pragma once

#include <string>
#include <vector>

#include "session/one_br_types.h"

namespace vx {

// The lines of the 1BR report: the date line, the status lines of `status` with the line and
// cycle of `result`, and every filled entry of `table` (none when there is no table).
std::vector<std::string> OneBRReportLines(const TFehlerStatus& status, RunResult result,
                                          const TVxSETable* table, const std::string& date);

}  // namespace vx
