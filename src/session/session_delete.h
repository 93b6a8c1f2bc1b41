#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace vx {

class TIniForm;
class TSessionForm;
class TWahleDlgBoxForm;

// "Session delete": the person chooses a session and, after a question, its file, its
// companion files and its 2BR folder move into Temp\deleted\<name>.<date-time>\, so that
// nothing is lost. Refused while that session is open or a computation runs.
class SessionDeleter {
public:
    SessionDeleter(Ui& ui, const TIniForm& ini, const TSessionForm& session,
                   TWahleDlgBoxForm& chooser);

    void Delete();

    // The files and the folder of session `name` that exist: system paths, the session file
    // first. The companions are found by the session name and by its base name.
    std::vector<std::string> SessionFiles(const std::string& name) const;

    // The date and time in the name of the folder; the local time unless replaced (tests).
    std::function<std::string()> Stamp;

private:
    // The chooser's directory is the sessions directory or the session's 2BR folder.
    bool ChosenWhereSessionsLive(const std::string& name, const std::string& directory) const;
    bool IsOpen(const std::string& name) const;
    // Temp\deleted\<name>.<date-time>\, made unique should it exist already.
    std::string FreeTargetFolder(const std::string& name) const;
    // Moves every file; false after the message of the one that did not move.
    bool MoveAll(const std::vector<std::string>& files, const std::string& target);

    Ui& ui_;
    const TIniForm& ini_;
    const TSessionForm& session_;
    TWahleDlgBoxForm& chooser_;
};

}  // namespace vx
