#include "platform/strict_int.h"

#include <limits>

#include "platform/errors.h"

namespace vx {

std::optional<std::int32_t> TryStrToInt(std::string_view text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == text.size()) {
        return std::nullopt;
    }
    long long value = 0;
    const long long limit = negative
                                ? -static_cast<long long>(std::numeric_limits<std::int32_t>::min())
                                : std::numeric_limits<std::int32_t>::max();
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > limit) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::int32_t StrToInt(std::string_view text) {
    if (auto value = TryStrToInt(text)) {
        return *value;
    }
    throw ConvertError("'" + std::string(text) + "' is not a valid integer value");
}

std::string IntToStr(long long value) {
    return std::to_string(value);
}

}  // namespace vx
