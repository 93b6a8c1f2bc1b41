#pragma once

#include <string>

#include "platform/controls.h"
#include "platform/file_lists.h"
#include "platform/form.h"
#include "platform/ui.h"

namespace vx {

class TIniForm;

// "Wahle Session": the modal dialog that chooses an existing session file. A file chosen in
// a directory whose path contains "_2BR" is a 2BR session.
class TWahleDlgBoxForm : public TForm {
public:
    TWahleDlgBoxForm(Ui& ui, const TIniForm& ini);

    TLabel LabelSessions;  // "Existierende Sessions:"
    TDirectoryListBox DirectoryListBox;
    TFileListBox FileListBox;
    TButton ButtonSelect, ButtonCancel;

    // The result of "Select".
    std::string FileName;
    bool Is2BR = false;
    std::string Directory;  // the directory of the file, without a trailing backslash

    // Both lists start again at the sessions directory, read afresh.
    void Start();
    // The directory list moved: the file list follows it.
    void DirectoryListBoxChange();
    void ButtonSelectClick();
    void ButtonCancelClick() { ModalAnswer = ModalResult::Cancel; }

private:
    // The files of `directory` that are sessions: companion files and markers are left out.
    void ShowSessionFiles(const std::string& directory);

    Ui& ui_;
    std::string sessionsPath_;
};

}  // namespace vx
