#include "session/session_names.h"

namespace vx {

const char* const kMsgSessionNameInput =
    "Fehler bei der Eingabe des Namens. \r___\rError on input of the name.";

bool IsAcceptableSessionName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("\\/:") == std::string::npos;
}

std::string SessionBaseName(const std::string& name) {
    return name.substr(0, name.find('.'));
}

}  // namespace vx
