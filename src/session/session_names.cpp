#include "session/session_names.h"

#include "platform/safe_name.h"

namespace vx {

const char* const kMsgSessionNameInput =
    "Fehler bei der Eingabe des Namens. \r___\rError on input of the name.";

bool CheckSessionName(const std::string& name, Ui& ui) {
    if (name.empty()) {
        ui.ShowMessage(kMsgSessionNameInput);
        return false;
    }
    if (!IsSafeName(name)) {
        ui.ShowMessage(MsgNameRefused(name));
        return false;
    }
    return true;
}

std::string SessionBaseName(const std::string& name) {
    return name.substr(0, name.find('.'));
}

}  // namespace vx
