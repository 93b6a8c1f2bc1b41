#pragma once

#include <string>

namespace vx {

// The program's own full file name in the system's path form ("\opt\vx\System\vx" for the
// host file /opt/vx/System/vx); empty when the platform cannot tell.
std::string ProgramFileName();

}  // namespace vx
