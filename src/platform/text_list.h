#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// The lines of a memo: 0-based, Latin-1 bytes. Reading a line beyond the end gives an empty
// line. Files are read with CR LF, LF or CR line ends and written with CR LF.
class TextList {
public:
    TextList() = default;
    TextList(std::initializer_list<std::string> lines);
    TextList(const TextList&) = default;
    TextList(TextList&&) = default;
    // Replacing the lines is a change: the revision grows beyond both lists' revisions, so
    // that a view which showed either of them redraws.
    TextList& operator=(const TextList& other);
    TextList& operator=(TextList&& other) noexcept;

    int Count() const { return static_cast<int>(lines_.size()); }
    bool Empty() const { return lines_.empty(); }
    // Line i, or an empty line when i lies outside the list.
    const std::string& operator[](int i) const;
    const std::string& Get(int i) const { return (*this)[i]; }
    // Replaces line i; an index outside the list throws IndexError.
    void Set(int i, std::string line);

    void Add(std::string line);
    // Inserts before line i (i == Count appends); other indices throw IndexError.
    void Insert(int i, std::string line);
    // Deletes line i; an index outside the list throws IndexError.
    void Delete(int i);
    void Clear();
    // Index of the first line equal to `line`, or -1.
    int IndexOf(std::string_view line) const;

    // All lines, each followed by CR LF.
    std::string Text() const;
    // Splits at CR LF, LF or CR; a line break at the very end does not start another line.
    void SetText(std::string_view text);

    // Whole-file load and save; failures throw FileError. Saving is atomic.
    void LoadFromFile(std::string_view systemPath);
    void SaveToFile(std::string_view systemPath) const;

    const std::vector<std::string>& Lines() const { return lines_; }
    void Assign(std::vector<std::string> lines);

    // Grows on every change, so that a view can tell cheaply whether to redraw.
    std::uint64_t Revision() const { return revision_; }

    bool operator==(const TextList& other) const { return lines_ == other.lines_; }

private:
    void Touch() { ++revision_; }

    std::vector<std::string> lines_;
    std::uint64_t revision_ = 0;
};

// Replaces `lines` by the lines of a text split at CR LF, LF or CR; a line break at the very
// end does not start another line. The views point into `text`; passing the same vector for
// many texts spares its allocations.
void SplitLines(std::string_view text, std::vector<std::string_view>& lines);

}  // namespace vx
