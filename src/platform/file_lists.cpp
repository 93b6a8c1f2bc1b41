#include "platform/file_lists.h"

#include "platform/host_path.h"
#include "platform/safe_name.h"

namespace vx {

std::string WithTrailingBackslash(std::string path) {
    if (!path.empty() && path.back() != '\\' && path.back() != '/') {
        path += '\\';
    }
    return path;
}

std::string ParentDirectory(const std::string& directory) {
    std::string path = directory;
    while (!path.empty() && (path.back() == '\\' || path.back() == '/')) {
        path.pop_back();
    }
    const auto cut = path.find_last_of("\\/");
    if (cut == std::string::npos) {
        return {};
    }
    return path.substr(0, cut + 1);
}

void TDirectoryListBox::SetDirectory(std::string directory) {
    Directory = WithTrailingBackslash(std::move(directory));
    Items = FindDirectories(Directory);
    ItemIndex = -1;
}

bool TDirectoryListBox::Enter(const std::string& name) {
    for (const auto& item : Items) {
        if (item == name) {
            SetDirectory(Directory + name);
            return true;
        }
    }
    return false;
}

bool TDirectoryListBox::Up() {
    const std::string parent = ParentDirectory(Directory);
    if (parent.empty() || (!Floor.empty() && !IsPathBelow(parent, Floor))) {
        return false;
    }
    SetDirectory(parent);
    return true;
}

void TFileListBox::SetDirectory(std::string directory) {
    Directory = WithTrailingBackslash(std::move(directory));
    Update();
}

void TFileListBox::Update() {
    Items = FindFiles(Directory, Mask);
    ItemIndex = -1;
}

std::string TFileListBox::SelectedName() const {
    if (ItemIndex < 0 || ItemIndex >= static_cast<int>(Items.size())) {
        return {};
    }
    return Items[static_cast<std::size_t>(ItemIndex)];
}

std::string TFileListBox::FileName() const {
    const std::string name = SelectedName();
    return name.empty() ? std::string() : Directory + name;
}

}  // namespace vx
