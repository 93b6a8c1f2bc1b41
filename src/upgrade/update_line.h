#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

// One update rule of a dynamic rule text: "RUP(VXR<x>E<y>,<type> . S<s>E<e>".
struct T_LV5 {
    static constexpr std::size_t kMaxShortString = 100;

    std::string RuleName;  // "VXR" + x + "E" + y
    std::int32_t X = 0, Y = 0;
    std::string UpdType;  // the update type with its closing dot, blanks left out
    std::string RefSE;    // "S" + s + "E" + e
    std::int32_t RefS = 0, RefE = 0;
    std::int32_t Status = 0;  // 1 parsed, -1 error, 0 no rule found
    std::string Msg;
};

inline constexpr std::int32_t kUpdateLineParsed = 1;
inline constexpr std::int32_t kUpdateLineError = -1;
inline constexpr std::int32_t kUpdateLineNoRule = 0;

// Scans the line from left to right for its update rule.
T_LV5 ParseUpdateLine(std::string_view line);

}  // namespace vx
