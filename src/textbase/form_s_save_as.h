#pragma once

#include <string>

#include "platform/controls.h"
#include "platform/file_lists.h"
#include "platform/form.h"
#include "platform/ui.h"

namespace vx {

class TIniForm;

// "Thema S speichern unter": the modal dialog that names the file of a new topic.
class TFormSSaveAs : public TForm {
public:
    TFormSSaveAs(Ui& ui, const TIniForm& ini);

    TDirectoryListBox DirectoryListBox;  // starts at the installation root
    TEdit EditName;
    TButton ButtonOK, ButtonCancel, ButtonHilfe;

    // The chosen file: the directory shown and the typed name.
    std::string FileName;

    void ButtonOKClick();
    void ButtonCancelClick() { ModalAnswer = ModalResult::Cancel; }
    void ButtonHilfeClick();

private:
    Ui& ui_;
};

// The help of the session name dialogs (new session, save as), which this dialog shows first.
extern const char* const kMsgHelpSaveAsName;

}  // namespace vx
