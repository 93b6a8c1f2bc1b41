#include "platform/safe_name.h"

#include "platform/latin1.h"

namespace vx {
namespace {

bool IsControl(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F;
}

bool IsForbiddenCharacter(char c) {
    static constexpr std::string_view kForbidden = "\\/:*?\"<>|";
    return IsControl(c) || kForbidden.find(c) != std::string_view::npos;
}

std::string ShownName(std::string_view name) {
    constexpr std::size_t kShown = 40;
    std::string shown;
    for (char c : name.substr(0, kShown)) {
        shown += IsControl(c) ? '?' : c;
    }
    if (name.size() > kShown) {
        shown += "...";
    }
    return shown;
}

}  // namespace

bool IsSafeName(std::string_view name) {
    if (name.empty() || name.size() > kMaxNameLength || name == "." || name == "..") {
        return false;
    }
    for (char c : name) {
        if (IsForbiddenCharacter(c)) {
            return false;
        }
    }
    return true;
}

bool IsPathBelow(std::string_view path, std::string_view directory) {
    const auto isSeparator = [](char c) { return c == '\\' || c == '/'; };
    while (!directory.empty() && isSeparator(directory.back())) {
        directory.remove_suffix(1);
    }
    if (path.size() < directory.size()) {
        return false;
    }
    for (std::size_t i = 0; i < directory.size(); ++i) {
        const bool sameSeparator = isSeparator(path[i]) && isSeparator(directory[i]);
        if (!sameSeparator && LowerLatin1(path[i]) != LowerLatin1(directory[i])) {
            return false;
        }
    }
    std::string_view rest = path.substr(directory.size());
    if (!rest.empty() && !isSeparator(rest.front())) {
        return false;  // "Sessions2" is not below "Sessions"
    }
    while (!rest.empty()) {
        while (!rest.empty() && isSeparator(rest.front())) {
            rest.remove_prefix(1);
        }
        std::size_t end = 0;
        while (end < rest.size() && !isSeparator(rest[end])) {
            ++end;
        }
        if (end > 0 && !IsSafeName(rest.substr(0, end))) {
            return false;
        }
        rest.remove_prefix(end);
    }
    return true;
}

std::string MsgNameRefused(std::string_view name) {
    const std::string shown = ShownName(name);
    const std::string limit = std::to_string(kMaxNameLength);
    return "Der Name \"" + shown +
           "\" ist nicht erlaubt.\r"
           "Nicht erlaubt sind \".\", \"..\", die Zeichen \\ / : * ? \" < > |,\r"
           "Steuerzeichen und mehr als " +
           limit +
           " Zeichen.\r___\r"
           "The name \"" +
           shown +
           "\" is not allowed.\r"
           "Not allowed are \".\", \"..\", the characters \\ / : * ? \" < > |,\r"
           "control characters and more than " +
           limit + " characters.";
}

}  // namespace vx
