#pragma once

#include <string>

namespace vx {

// The content of a file before an operation wrote it, so that an operation which fails later
// can put back every file it found. Reading an existing file that cannot be read throws
// FileError.
class FileBefore {
public:
    explicit FileBefore(std::string path);
    const std::string& Path() const { return path_; }
    // Puts the old content back, or removes the file when there was none.
    void Restore() const;

private:
    std::string path_;
    bool existed_ = false;
    std::string bytes_;
};

}  // namespace vx
