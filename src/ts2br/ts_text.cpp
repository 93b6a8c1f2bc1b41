#include "ts2br/ts_text.h"

#include <algorithm>
#include <vector>

#include "platform/strict_int.h"

namespace vx::ts {
namespace {

const char* const kErrBrackets =
    "ERROR: at TS Syntaxcheck: Number of open and closed brackets is not equal.";
const char* const kErrNoSpaceForNumber =
    "ERROR: at TS Syntaxcheck: TS found but no space for number left.";
const char* const kErrNumberNotConverted =
    "ERROR: at TS Syntaxcheck: Number of a TS cannot be converted to a Num.:";
const char* const kErrNumberOutOfRange =
    "ERROR: at TS Syntaxcheck: Number of a TS out of allowed range:";
const char* const kErrTooManyBinLogops =
    "ERROR: number of TS is equal (or less) than number of bin Logops: number of TS must be one "
    "more!";
const char* const kErrCountMismatch =
    "ERROR: number of TS must be exactly one more than number of binLgogps OR nothing found "
    "although line not empty!";

const char* const kErrDistinctNotConverted = "Error: cannot convert TSNumber to integer: ";
const char* const kErrDistinctLimit =
    "Error: The number of distinct TS exceeds practically allowed limit: ";

constexpr int kMaxSyntaxTSNumber = 32000;
constexpr int kMaxTSNumber = 99;
constexpr std::size_t kMaxDistinct = 12;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string DigitsFrom(std::string_view s, std::size_t index) {
    std::string digits;
    while (index < s.size() && IsDigit(s[index])) {
        digits += s[index++];
    }
    return digits;
}

// Characters the syntax check passes over after a TS without testing them as a sign.
bool IsTermCharacter(char c) {
    return c == '(' || c == ')' || c == 'T' || c == 'S' || IsDigit(c);
}

}  // namespace

// Copies up to the first character at position 3 or later that is not "/" but follows one,
// then drops the last two characters copied: "abc//x" and "abc//" both give "abc".
std::string StripLineComment(std::string_view s) {
    if (s.find("//") == std::string_view::npos) {
        return std::string(s);
    }
    std::string copied;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (i >= 2 && s[i] != '/' && s[i - 1] == '/') {
            break;
        }
        copied += s[i];
    }
    copied.resize(copied.size() >= 2 ? copied.size() - 2 : 0);
    return copied;
}

std::string StripBlanks(std::string_view s) {
    std::string result;
    for (char c : s) {
        if (c != ' ') {
            result += c;
        }
    }
    return result;
}

std::string GetLineOption(std::string_view s, std::string_view which) {
    int wanted = 0;
    if (which == "Logic") {
        wanted = 1;
    } else if (which == "Mode") {
        wanted = 2;
    } else if (which == "ExceptTS") {
        wanted = 3;
    } else {
        return "Error";
    }
    std::string fields[4];
    int open = 0;
    for (char c : s) {
        if (open == 0) {
            if (c == '(') {
                open = 1;
            }
            continue;
        }
        if (c == ')') {
            break;
        }
        if (c == ';' && open < 3) {
            ++open;
            continue;
        }
        fields[open] += c;
    }
    return fields[wanted];
}

std::string RemoveOptionGroup(std::string_view s) {
    const std::size_t colon = s.find(':');
    const std::string_view head = s.substr(0, colon);
    std::string result;
    int depth = 0;
    for (char c : head) {
        if (c == '(') {
            ++depth;
        } else if (c == ')' && depth > 0) {
            --depth;
        } else if (depth == 0) {
            result += c;
        }
    }
    if (colon != std::string_view::npos) {
        result += s.substr(colon);
    }
    return result;
}

std::optional<std::string> SplitSETS(std::string_view s, std::string_view which) {
    const std::size_t colon = s.find(':');
    if (colon == std::string_view::npos || (which != "SE" && which != "TS")) {
        return std::nullopt;
    }
    if (which == "SE") {
        return std::string(s.substr(0, colon));
    }
    std::string ts;
    for (char c : s.substr(colon + 1)) {
        if (c != ':') {
            ts += c;
        }
    }
    return ts;
}

std::string CutAtDash(std::string_view s) {
    return std::string(s.substr(0, s.find('-')));
}

int BracketsBalanced(std::string_view s) {
    const auto open = std::count(s.begin(), s.end(), '(');
    const auto close = std::count(s.begin(), s.end(), ')');
    return s.size() > 1 && open == close ? 1 : -1;
}

int FindBracketEnd(int start, std::string_view s) {
    if (s.empty() || start < 1 || start > static_cast<int>(s.size())) {
        return -1;
    }
    int open = 0;
    int close = 0;
    for (int p = start; p <= static_cast<int>(s.size()); ++p) {
        if (s[p - 1] == '(') {
            ++open;
        } else if (s[p - 1] == ')') {
            ++close;
        }
        if (open == close) {
            return p;
        }
    }
    return -1;
}

std::string CountDistinctTS(std::string_view s) {
    if (s.empty()) {
        return "";
    }
    std::vector<int> numbers;
    for (std::size_t at = s.find("TS"); at != std::string_view::npos; at = s.find("TS", at + 2)) {
        const std::string digits = DigitsFrom(s, at + 2);
        const auto number = TryStrToInt(digits);
        if (!number) {
            return kErrDistinctNotConverted + digits;
        }
        if (*number < 1 || *number > kMaxTSNumber) {
            return "-1";
        }
        if (std::find(numbers.begin(), numbers.end(), *number) != numbers.end()) {
            continue;
        }
        if (numbers.size() == kMaxDistinct) {
            return kErrDistinctLimit + std::to_string(kMaxDistinct);
        }
        numbers.push_back(*number);
    }
    return std::to_string(numbers.size());
}

std::string Check_binLogop_Ini(std::string_view s, int pos, const TLogopTable& ops) {
    if (pos < 1 || pos > static_cast<int>(s.size())) {
        return "";
    }
    const std::string_view rest = s.substr(static_cast<std::size_t>(pos - 1));
    for (int j = 1; j <= TLogopTable::kSize; ++j) {
        const std::string& sign = ops[j].Sign;
        if (!sign.empty() && rest.substr(0, sign.size()) == sign) {
            return sign;
        }
    }
    return "";
}

std::string SingleTSSyntaxCheck(std::string_view s, const TLogopTable& binaryOps) {
    if (s.empty()) {
        return "";
    }
    if (BracketsBalanced(s) != 1) {
        return kErrBrackets;
    }
    const int length = static_cast<int>(s.size());
    bool expectTS = true;
    int tsCount = 0;
    int signCount = 0;
    for (int i = 1; i <= length; ++i) {
        const char c = s[i - 1];
        if (expectTS) {
            if (c != 'T' || i + 1 > length || s[i] != 'S') {
                continue;
            }
            if (length < i + 2) {
                return kErrNoSpaceForNumber;
            }
            const std::string digits = DigitsFrom(s, static_cast<std::size_t>(i + 1));
            const auto number = TryStrToInt(digits);
            if (!number) {
                return kErrNumberNotConverted + digits;
            }
            if (*number < 1 || *number > kMaxSyntaxTSNumber) {
                return kErrNumberOutOfRange + digits;
            }
            ++tsCount;
            expectTS = false;
        } else if (!IsTermCharacter(c) && !Check_binLogop_Ini(s, i, binaryOps).empty()) {
            ++signCount;
            expectTS = true;
        }
    }
    if (signCount + 1 == tsCount && tsCount >= 1) {
        return "OK";
    }
    if (expectTS && signCount >= 1 && signCount >= tsCount) {
        return kErrTooManyBinLogops;
    }
    return kErrCountMismatch;
}

}  // namespace vx::ts
