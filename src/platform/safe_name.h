#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vx {

// A name that a person types (a session, a topic file, a rule) or that a list or ini file
// holds becomes one component of a path below the installation. It is accepted only when it
// stays that one component on every host: not empty, not "." or "..", no separator of either
// kind, no drive or stream colon, no wildcard or other character a file system refuses, no
// control character (NUL included), and at most kMaxNameLength characters, so that the
// extensions and prefixes the system adds still give a valid file name.
inline constexpr std::size_t kMaxNameLength = 100;

bool IsSafeName(std::string_view name);

// True when `path` is `directory` or lies below it through components that are all safe
// names; both are system paths, compared without regard to case.
bool IsPathBelow(std::string_view path, std::string_view directory);

// The message that refuses such a name; the name is shown shortened and with its control
// characters made visible.
std::string MsgNameRefused(std::string_view name);

}  // namespace vx
