#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vx {

// The one conversion from text to integer: an optional sign, decimal digits, 32-bit range,
// nothing else (no blanks, no hexadecimal, no empty text).
std::optional<std::int32_t> TryStrToInt(std::string_view text);

// As TryStrToInt, but a text that does not convert throws ConvertError.
std::int32_t StrToInt(std::string_view text);

std::string IntToStr(long long value);

}  // namespace vx
