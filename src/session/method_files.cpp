#include "session/method_files.h"

#include "platform/errors.h"
#include "platform/host_path.h"
#include "platform/text_list.h"

namespace vx {
namespace {

// SemiFormalPath gives these for topics without a method file; they name no file and must
// not be looked up relative to the working directory.
bool NamesNoFile(const std::string& path) {
    return path.empty() || path == "Error";
}

}  // namespace

bool IsBlockHeader(std::string_view line, std::string_view key) {
    if (line.empty() || line.front() != 'E') {
        return false;
    }
    const auto colon = line.find(':');
    if (colon != std::string_view::npos && line.substr(0, colon + 1) == key) {
        return true;
    }
    return line.back() == ':' && line == key;
}

namespace {

int FindBlockHeaderLinear(const std::vector<std::string>& lines, std::string_view key) {
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        if (IsBlockHeader(lines[static_cast<std::size_t>(i)], key)) {
            return i;
        }
    }
    return -1;
}

}  // namespace

MethodFile::MethodFile(std::vector<std::string> lines, Headers headers)
    : lines_(std::move(lines)), indexed_(headers == Headers::Indexed) {
    for (int i = 0; indexed_ && i < static_cast<int>(lines_.size()); ++i) {
        const std::string& line = lines_[static_cast<std::size_t>(i)];
        if (line.empty() || line.front() != 'E') {
            continue;
        }
        const auto colon = line.find(':');
        if (colon != std::string::npos) {
            headers_.emplace(line.substr(0, colon + 1), i);
        }
        if (line.back() == ':') {
            headers_.emplace(line, i);
        }
    }
}

int MethodFile::FindBlockHeader(const std::string& key) const {
    if (!indexed_) {
        return FindBlockHeaderLinear(lines_, key);
    }
    const auto found = headers_.find(key);
    return found == headers_.end() ? -1 : found->second;
}

std::optional<MethodFile> ReadMethodFile(const std::string& path, MethodFile::Headers headers) {
    if (NamesNoFile(path)) {
        return std::nullopt;
    }
    try {
        TextList text;
        text.LoadFromFile(path);
        return MethodFile(text.Lines(), headers);
    } catch (const FileError&) {
        return std::nullopt;
    }
}

const MethodFile* IndexedMethodFiles::Open(const std::string& path) {
    auto found = files_.find(path);
    if (found == files_.end()) {
        found = files_.emplace(path, ReadMethodFile(path)).first;
    }
    return found->second ? &*found->second : nullptr;
}

}  // namespace vx
