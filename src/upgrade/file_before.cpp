#include "upgrade/file_before.h"

#include "platform/errors.h"
#include "platform/host_path.h"

namespace vx {

FileBefore::FileBefore(std::string path) : path_(std::move(path)) {
    existed_ = FileExists(path_);
    if (existed_) {
        bytes_ = ReadFileBytes(path_);
    }
}

void FileBefore::Restore() const {
    try {
        if (existed_) {
            WriteFileAtomic(path_, bytes_);
        } else {
            RemoveFile(path_);
        }
    } catch (const FileError&) {
        // The write that failed replaced nothing; there is nothing more to put back.
    }
}

}  // namespace vx
