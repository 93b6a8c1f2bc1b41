#include "session/wahle_dlg_box_form.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "settings/ini_form.h"
#include "textbase/form_open_free.h"

namespace vx {
namespace {

// Files that belong to a session without being one: its companion lists, the result files
// (text and JSON), the 2BR TS list and the upgrade markers.
bool IsCompanionFile(const std::string& name) {
    static const char* const kExtensions[] = {".ipr", ".lnb", ".lzb", ".res", ".json", ".ts",
                                              ".glo", ".elo", ".s1t", ".s1f", ".mpt",  ".mpf"};
    std::string lower;
    for (char c : name) {
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (lower.rfind("default.", 0) == 0) {
        return true;
    }
    const auto dot = lower.rfind('.');
    if (dot == std::string::npos) {
        return false;
    }
    const std::string extension = lower.substr(dot);
    return std::any_of(std::begin(kExtensions), std::end(kExtensions),
                       [&extension](const char* known) { return extension == known; });
}

}  // namespace

TWahleDlgBoxForm::TWahleDlgBoxForm(Ui& ui, const TIniForm& ini)
    : TForm("TWahleDlgBoxForm", "Wahle Session"), ui_(ui), sessionsPath_(ini.SessionsPath) {
    LabelSessions.Caption = "Existierende Sessions:";
    ButtonSelect.Caption = "Select";
    ButtonCancel.Caption = "Cancel";
    DirectoryListBox.Floor = sessionsPath_;
    Start();
}

void TWahleDlgBoxForm::Start() {
    DirectoryListBox.SetDirectory(sessionsPath_);
    ShowSessionFiles(sessionsPath_);
}

void TWahleDlgBoxForm::DirectoryListBoxChange() {
    ShowSessionFiles(DirectoryListBox.Directory);
}

void TWahleDlgBoxForm::ShowSessionFiles(const std::string& directory) {
    FileListBox.SetDirectory(directory);
    std::erase_if(FileListBox.Items, IsCompanionFile);
    if (FileListBox.ItemIndex >= static_cast<int>(FileListBox.Items.size())) {
        FileListBox.ItemIndex = -1;
    }
}

void TWahleDlgBoxForm::ButtonSelectClick() {
    const std::string name = FileListBox.SelectedName();
    if (name.empty()) {
        ui_.ShowMessage(kMsgNoFileSelected);
        return;
    }
    FileName = name;
    Directory = FileListBox.Directory;
    while (!Directory.empty() && (Directory.back() == '\\' || Directory.back() == '/')) {
        Directory.pop_back();
    }
    Is2BR = Directory.find("_2BR") != std::string::npos;
    ModalAnswer = ModalResult::Ok;
}

}  // namespace vx
