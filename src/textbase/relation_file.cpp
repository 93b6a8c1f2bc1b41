#include "textbase/relation_file.h"

#include <algorithm>

namespace vx {
namespace {

bool StartsWith(const std::string& line, const std::string& prefix) {
    return line.compare(0, prefix.size(), prefix) == 0;
}

bool IsCommentBetweenBlocks(const std::string& line) {
    return StartsWith(line, "//") || line.find_first_not_of(' ') == std::string::npos;
}

std::string RelationName(const std::string& header, std::size_t keyLength) {
    const std::string rest = header.substr(keyLength);
    return rest.substr(0, std::min(rest.find(':'), kMaxRelationNameLength));
}

class BlockReader {
public:
    explicit BlockReader(RelationFileReading& reading) : reading_(reading) {}

    void Begin(std::string name) {
        inBlock_ = true;
        current_ = TRelationEntry{std::move(name), {}};
    }
    bool InBlock() const { return inBlock_; }

    void Line(const std::string& line) {
        if (StartsWith(line, "T1:")) {
            reading_.ActivationClosed = true;
            current_.Flags = {};
            return;
        }
        for (int m = 0; m < kMethodCount; ++m) {
            if (StartsWith(line, std::string(kMethodNames[m]) + ":")) {
                current_.Flags[static_cast<std::size_t>(m)] = true;
            }
        }
    }

    void End() {
        if (!inBlock_) {
            return;
        }
        inBlock_ = false;
        bool flagged = false;
        for (bool flag : current_.Flags) {
            flagged = flagged || flag;
        }
        if (!flagged) {
            return;
        }
        if (static_cast<int>(reading_.Entries.size()) < kMaxRelationEntries) {
            reading_.Entries.push_back(std::move(current_));
        } else {
            ++reading_.LeftOut;
        }
    }

private:
    RelationFileReading& reading_;
    TRelationEntry current_;
    bool inBlock_ = false;
};

}  // namespace

RelationFileReading ReadRelationFile(const TextList& lines, const std::string& key) {
    RelationFileReading reading;
    BlockReader block(reading);
    for (int i = 0; i < lines.Count(); ++i) {
        const std::string& line = lines[i];
        if (line.empty()) {
            block.End();
        } else if (block.InBlock()) {
            block.Line(line);
        } else if (!IsCommentBetweenBlocks(line)) {
            if (!StartsWith(line, key)) {
                reading.SyntaxErrorLine = i + 1;
                return reading;
            }
            block.Begin(RelationName(line, key.size()));
        }
    }
    block.End();
    return reading;
}

}  // namespace vx
