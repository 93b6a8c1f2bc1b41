#pragma once

#include <string>

#include "platform/controls.h"
#include "platform/file_lists.h"
#include "platform/form.h"
#include "platform/ui.h"

namespace vx {

class TIniForm;

// "Open Free": a modal chooser of any file, with a directory list and the file list of the
// directory shown. Both start at the installation root and keep their place between uses.
class TFormOpenFree : public TForm {
public:
    TFormOpenFree(Ui& ui, const TIniForm& ini);

    TDirectoryListBox DirectoryListBox;
    TFileListBox FileListBox;
    TButton ButtonSelect, ButtonCancel;

    // The result of "Select".
    std::string FileName;
    std::string FullPath;

    // Reads the directory shown again, so that files made since the last use appear.
    void Refresh();
    // The directory list moved: the file list follows it.
    void DirectoryListBoxChange();
    void ButtonSelectClick();
    void ButtonCancelClick() { ModalAnswer = ModalResult::Cancel; }

private:
    Ui& ui_;
};

// "Select" without a selected file; the session chooser shares it.
extern const char* const kMsgNoFileSelected;

}  // namespace vx
