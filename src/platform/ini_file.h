#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vx {

// An ini file with the semantics of the system's platform: sections and keys are compared
// without regard to case; the value is the text after the first "=", without the blanks
// around it, at most 1023 characters; the first occurrence of a section and of a key counts.
// The file is read once, on construction; lookups do not rescan it. Writing a key rewrites
// the file at once and keeps every other line as it was.
class IniFile {
public:
    static constexpr std::size_t kMaxValueLength = 1023;

    // A missing file reads as empty. An existing file that cannot be read throws FileError.
    explicit IniFile(std::string systemPath);
    // The file as if `text` had been read from `systemPath` (which is not touched).
    IniFile(std::string systemPath, std::string_view text);

    const std::string& FileName() const { return path_; }
    bool Existed() const { return existed_; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultText) const;
    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    // Keys of a section in file order.
    std::vector<std::string> ReadSection(std::string_view section) const;

    // These write the file at once and throw FileError on failure (the old file stays).
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    // Empties the file, so that it can then be written key by key.
    void Clear();

private:
    struct Section {
        std::size_t headerLine = 0;                         // index in lines_
        std::size_t lastLine = 0;                           // last line that belongs to the section
        std::unordered_map<std::string, std::size_t> keys;  // lower-case key -> line
        std::vector<std::string> keyOrder;
    };

    void Parse();
    void Save() const;
    // Saves the changed lines; when that fails, the lines go back to `before` (what is on
    // disk) and the failure is rethrown.
    void SaveOrRollBack(std::vector<std::string> before);
    const Section* FindSection(std::string_view section) const;

    std::string path_;
    bool existed_ = false;
    std::vector<std::string> lines_;
    std::unordered_map<std::string, Section> sections_;  // lower-case name -> first occurrence
};

}  // namespace vx
