#pragma once

namespace vx {

// Which configuration the program works with: the 1BR one from start-up, the 2BR one once
// the ini files of a 2BR session are loaded, or a 3BR one.
inline constexpr int kIniState1BR = 1;
inline constexpr int kIniState2BR = 2;
inline constexpr int kIniState3BR = 3;

}  // namespace vx
