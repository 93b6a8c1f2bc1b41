#pragma once

#include <string>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/ui.h"

namespace vx {

class TIniForm;
class TSessionForm;

// The general (assertional) logic that the session's 1BR work followed, kept in the
// session's ".GLo" file; a session without one starts from the installation's template.
class TForm1BRLogic : public TForm {
public:
    TForm1BRLogic(Ui& ui, TIniForm& ini, TSessionForm& session);

    TMemo MemoGeneralLogic;
    TButton ButtonSave, ButtonHelp;

    // Opens the window on the session's general logic.
    void OpenTEmplateLogic();
    void ButtonSaveClick();
    void ButtonHelpClick();

    // SessionsPath + session name + ".GLo".
    std::string LogicFilePath() const;
    std::string TemplateFilePath() const;

private:
    Ui& ui_;
    TIniForm& ini_;
    TSessionForm& session_;
    std::string shownFile_;  // the ".GLo" file whose text the window shows
};

}  // namespace vx
