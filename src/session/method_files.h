#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vx {

// True when `line` is the block header of `key` (sentence part + ", " + target + ":"): a line
// starting with "E" whose text up to and including its first ":" is the key, or a line ending
// with ":" that is the key as a whole.
bool IsBlockHeader(std::string_view line, std::string_view key);

// A semi-formal method file as read: its lines, and where the first block header of each key
// stands, so that a block is found without reading the file again. Without the index a block
// is searched line by line.
class MethodFile {
public:
    enum class Headers { Indexed, SearchedLineByLine };
    explicit MethodFile(std::vector<std::string> lines, Headers headers = Headers::Indexed);

    const std::vector<std::string>& Lines() const { return lines_; }
    // The line of the first block header of `key`, or -1. Every line, the last one included,
    // can be a block header.
    int FindBlockHeader(const std::string& key) const;

private:
    std::vector<std::string> lines_;
    bool indexed_;
    std::unordered_map<std::string, int> headers_;
};

// Reads a method file; nothing when it cannot be opened or read.
std::optional<MethodFile> ReadMethodFile(
    const std::string& path, MethodFile::Headers headers = MethodFile::Headers::Indexed);

// Where the line evaluation gets its method files from.
class MethodFileSource {
public:
    virtual ~MethodFileSource() = default;
    // The file at `path`, or nullptr when it cannot be opened. The pointer stays valid until
    // the next call.
    virtual const MethodFile* Open(const std::string& path) = 0;
};

// Reads each method file once and keeps it for the rest of the run; a file that could not be
// opened stays unopenable for the run.
class IndexedMethodFiles : public MethodFileSource {
public:
    const MethodFile* Open(const std::string& path) override;

private:
    std::map<std::string, std::optional<MethodFile>, std::less<>> files_;
};

}  // namespace vx
