#pragma once

#include <string>

#include "platform/ui.h"

namespace vx {

// The session name up to, not including, its first ".": the name of the companion files.
std::string SessionBaseName(const std::string& name);

// The message of an empty name in the session name dialogs.
extern const char* const kMsgSessionNameInput;

// True for a session name that keeps every file of the session in the sessions directory;
// otherwise the refusal is shown.
bool CheckSessionName(const std::string& name, Ui& ui);

}  // namespace vx
