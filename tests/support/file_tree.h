#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "support/golden.h"

namespace vx::test {

// Every file below `root` by its path relative to `root`, with its content; with
// `directories`, every directory too, as "<dir>".
inline std::map<std::string, std::string> FilesBelow(const std::filesystem::path& root,
                                                     bool directories = false) {
    std::map<std::string, std::string> tree;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        const std::string relative = std::filesystem::relative(entry.path(), root).generic_string();
        if (entry.is_regular_file()) {
            tree[relative] = ReadBytes(entry.path());
        } else if (directories && entry.is_directory()) {
            tree[relative] = "<dir>";
        }
    }
    return tree;
}

}  // namespace vx::test
