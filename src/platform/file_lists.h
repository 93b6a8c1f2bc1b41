#pragma once

#include <string>
#include <vector>

#include "platform/controls.h"

namespace vx {

// A directory list: the directory shown and its sub-directories, which the person enters
// or leaves. Directory is a system path ending with a backslash.
struct TDirectoryListBox : TControl {
    std::string Directory;
    std::vector<std::string> Items;  // names of the sub-directories
    int ItemIndex = -1;
    // The directory the list never leaves upwards (the installation, the sessions); empty
    // where the person may choose any directory.
    std::string Floor;

    void SetDirectory(std::string directory);
    // Enters the sub-directory of that name; false when there is none.
    bool Enter(const std::string& name);
    // Goes to the parent directory; false at the top or at the floor.
    bool Up();
};

// A file list showing the files of one directory that match a mask.
struct TFileListBox : TControl {
    std::string Directory;
    std::string Mask = "*.*";
    std::vector<std::string> Items;  // file names
    int ItemIndex = -1;

    void SetDirectory(std::string directory);
    void Update();
    // The selected file's name, or empty.
    std::string SelectedName() const;
    // The selected file's full path, or empty.
    std::string FileName() const;
};

// "D:\a\b\" and "D:\a\b" both give "D:\a\b\"; an empty path stays empty.
std::string WithTrailingBackslash(std::string path);
// The parent of a directory path, with a trailing backslash; empty at the top.
std::string ParentDirectory(const std::string& directory);

}  // namespace vx
