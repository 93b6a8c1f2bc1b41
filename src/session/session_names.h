#pragma once

#include <string>

namespace vx {

// A name the session dialogs accept: not empty, not "." or "..", and without "\", "/" or
// ":", so that the session's files stay in the sessions directory.
bool IsAcceptableSessionName(const std::string& name);

// The session name up to, not including, its first ".": the name of the companion files.
std::string SessionBaseName(const std::string& name);

// The message of a refused name in the session name dialogs.
extern const char* const kMsgSessionNameInput;

}  // namespace vx
