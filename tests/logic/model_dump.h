#pragma once

#include <map>
#include <string>

#include "logic/logic_model.h"

namespace vx::test {

// Every cell of the logic model under a name written like the member access in C++
// ("WWType.UnLogRel[1].Table[2]" -> "20,10,0,0,0"), so that expected-outcome files can name
// the cells they check.
std::map<std::string, std::string> DumpLogicModel(const LogicModel& model);

}  // namespace vx::test
