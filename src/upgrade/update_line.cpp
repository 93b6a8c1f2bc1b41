#include "upgrade/update_line.h"

#include <cctype>
#include <optional>

#include "platform/strict_int.h"

namespace vx {
namespace {

const char* const kMsgNoComma =
    " Comma separator is not directly behind the VXRxy ! Abort of update 2BR !";
const char* const kMsgNoTypeEnd = " update type string end not found ! Abort of update 2BR ! ";
const char* const kMsgNoReferencedS =
    " There is no blank after the dot of the update type or the referenced S is not found; "
    "please correct ! Abort of update 2BR !";
const char* const kMsgNoE =
    " There is no E after the referenced S Number found; please correct ! Abort of update 2BR !";
// The record holds at most 100 characters of a type; a longer one is refused, not cut.
const char* const kMsgTypeTooLong =
    " update type string longer than 100 characters ! Abort of update 2BR ! ";

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The decimal number at `pos`, advancing past its digits; none for no digits or a number
// beyond 32 bits.
std::optional<std::int32_t> ReadNumber(std::string_view line, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < line.size() && IsDigit(line[pos])) {
        ++pos;
    }
    if (pos == start) {
        return std::nullopt;
    }
    return TryStrToInt(line.substr(start, pos - start));
}

char At(std::string_view line, std::size_t pos) {
    return pos < line.size() ? line[pos] : '\0';
}

T_LV5 Failed(T_LV5 rule, const char* message) {
    rule.Status = kUpdateLineError;
    rule.Msg = message;
    return rule;
}

}  // namespace

T_LV5 ParseUpdateLine(std::string_view line) {
    T_LV5 rule;
    const std::size_t rup = line.find("RUP");
    const std::size_t bracket = rup == std::string_view::npos ? rup : line.find('(', rup);
    const std::size_t vxr = bracket == std::string_view::npos ? bracket : line.find("VXR", bracket);
    if (vxr == std::string_view::npos) {
        return rule;
    }
    std::size_t pos = vxr + 3;
    const auto x = ReadNumber(line, pos);
    if (!x || At(line, pos) != 'E') {
        return rule;
    }
    ++pos;
    const auto y = ReadNumber(line, pos);
    if (!y) {
        return rule;
    }
    rule.X = *x;
    rule.Y = *y;
    rule.RuleName = "VXR" + std::to_string(*x) + "E" + std::to_string(*y);
    if (At(line, pos) != ',') {
        return Failed(rule, kMsgNoComma);
    }
    ++pos;
    std::string type;
    while (pos < line.size() && line[pos] != '.') {
        if (line[pos] != ' ') {
            type += line[pos];
        }
        ++pos;
    }
    if (pos >= line.size()) {
        return Failed(rule, kMsgNoTypeEnd);
    }
    type += '.';
    if (type.size() > T_LV5::kMaxShortString) {
        return Failed(rule, kMsgTypeTooLong);
    }
    rule.UpdType = type;
    ++pos;
    if (At(line, pos) != ' ' || At(line, pos + 1) != 'S') {
        return Failed(rule, kMsgNoReferencedS);
    }
    pos += 2;
    const auto s = ReadNumber(line, pos);
    if (!s) {
        return Failed(rule, kMsgNoReferencedS);
    }
    if (At(line, pos) != 'E') {
        return Failed(rule, kMsgNoE);
    }
    ++pos;
    const auto e = ReadNumber(line, pos);
    if (!e) {
        return Failed(rule, kMsgNoE);
    }
    rule.RefS = *s;
    rule.RefE = *e;
    rule.RefSE = "S" + std::to_string(*s) + "E" + std::to_string(*e);
    rule.Status = kUpdateLineParsed;
    return rule;
}

}  // namespace vx
