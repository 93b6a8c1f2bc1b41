#include "platform/text_list.h"

#include <algorithm>

#include "platform/errors.h"
#include "platform/host_path.h"

namespace vx {
namespace {
const std::string kEmptyLine;

void CheckIndex(int i, int count, const char* what) {
    if (i < 0 || i >= count) {
        throw IndexError(std::string(what) + ": list index out of bounds (" + std::to_string(i) +
                         ")");
    }
}
}  // namespace

TextList::TextList(std::initializer_list<std::string> lines) : lines_(lines) {}

TextList& TextList::operator=(const TextList& other) {
    if (this != &other) {
        lines_ = other.lines_;
        revision_ = std::max(revision_, other.revision_) + 1;
    }
    return *this;
}

TextList& TextList::operator=(TextList&& other) noexcept {
    if (this != &other) {
        lines_ = std::move(other.lines_);
        revision_ = std::max(revision_, other.revision_) + 1;
    }
    return *this;
}

const std::string& TextList::operator[](int i) const {
    if (i < 0 || i >= Count()) {
        return kEmptyLine;
    }
    return lines_[static_cast<std::size_t>(i)];
}

void TextList::Set(int i, std::string line) {
    CheckIndex(i, Count(), "Set");
    lines_[static_cast<std::size_t>(i)] = std::move(line);
    Touch();
}

void TextList::Add(std::string line) {
    lines_.push_back(std::move(line));
    Touch();
}

void TextList::Insert(int i, std::string line) {
    if (i < 0 || i > Count()) {
        throw IndexError("Insert: list index out of bounds (" + std::to_string(i) + ")");
    }
    lines_.insert(lines_.begin() + i, std::move(line));
    Touch();
}

void TextList::Delete(int i) {
    CheckIndex(i, Count(), "Delete");
    lines_.erase(lines_.begin() + i);
    Touch();
}

void TextList::Clear() {
    lines_.clear();
    Touch();
}

int TextList::IndexOf(std::string_view line) const {
    for (int i = 0; i < Count(); ++i) {
        if (lines_[static_cast<std::size_t>(i)] == line) {
            return i;
        }
    }
    return -1;
}

std::string TextList::Text() const {
    std::string text;
    std::size_t size = 0;
    for (const auto& line : lines_) {
        size += line.size() + 2;
    }
    text.reserve(size);
    for (const auto& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void SplitLines(std::string_view text, std::vector<std::string_view>& lines) {
    lines.clear();
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
        ++i;
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
}

void TextList::SetText(std::string_view text) {
    std::vector<std::string_view> views;
    SplitLines(text, views);
    Assign(std::vector<std::string>(views.begin(), views.end()));
}

void TextList::LoadFromFile(std::string_view systemPath) {
    SetText(ReadFileBytes(systemPath));
}

void TextList::SaveToFile(std::string_view systemPath) const {
    WriteFileAtomic(systemPath, Text());
}

void TextList::Assign(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    Touch();
}

}  // namespace vx
