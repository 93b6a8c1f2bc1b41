#include "platform/ini_file.h"

#include "platform/host_path.h"
#include "platform/latin1.h"
#include "platform/text_list.h"

namespace vx {
namespace {

std::string_view Trim(std::string_view s) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && isBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && isBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// Section name of a header line "[name]", or nothing.
bool SectionName(std::string_view line, std::string& name) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') {
        return false;
    }
    const auto close = line.find(']');
    name = std::string(
        Trim(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1)));
    return true;
}

bool KeyOfLine(std::string_view line, std::string& key) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) {
        return false;
    }
    key = std::string(Trim(line.substr(0, eq)));
    return !key.empty();
}

std::string ValueOfLine(std::string_view line) {
    std::string_view value = Trim(line.substr(line.find('=') + 1));
    if (value.size() > IniFile::kMaxValueLength) {
        value = value.substr(0, IniFile::kMaxValueLength);
    }
    return std::string(value);
}

std::string OneLine(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return out;
}

}  // namespace

IniFile::IniFile(std::string systemPath) : path_(std::move(systemPath)) {
    if (!FileExists(path_) && !DirectoryExists(path_)) {
        return;
    }
    TextList text;
    text.LoadFromFile(path_);
    existed_ = true;
    lines_ = text.Lines();
    Parse();
}

IniFile::IniFile(std::string systemPath, std::string_view text)
    : path_(std::move(systemPath)), existed_(true) {
    TextList lines;
    lines.SetText(text);
    lines_ = lines.Lines();
    Parse();
}

void IniFile::Parse() {
    sections_.clear();
    Section* current = nullptr;
    bool currentIsFirst = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::string name;
        if (SectionName(lines_[i], name)) {
            auto [it, inserted] = sections_.try_emplace(LowerLatin1(name));
            currentIsFirst = inserted;
            current = &it->second;
            if (inserted) {
                current->headerLine = i;
                current->lastLine = i;
            }
            continue;
        }
        if (current == nullptr || !currentIsFirst) {
            continue;
        }
        std::string key;
        if (!Trim(lines_[i]).empty()) {
            current->lastLine = i;
        }
        if (KeyOfLine(lines_[i], key)) {
            auto [it, inserted] = current->keys.try_emplace(LowerLatin1(key), i);
            if (inserted) {
                current->keyOrder.push_back(key);
            }
        }
    }
}

const IniFile::Section* IniFile::FindSection(std::string_view section) const {
    auto it = sections_.find(LowerLatin1(Trim(section)));
    return it == sections_.end() ? nullptr : &it->second;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultText) const {
    if (const Section* s = FindSection(section)) {
        auto it = s->keys.find(LowerLatin1(Trim(key)));
        if (it != s->keys.end()) {
            return ValueOfLine(lines_[it->second]);
        }
    }
    return std::string(defaultText);
}

bool IniFile::SectionExists(std::string_view section) const {
    return FindSection(section) != nullptr;
}

bool IniFile::ValueExists(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(section);
    return s != nullptr && s->keys.count(LowerLatin1(Trim(key))) > 0;
}

std::vector<std::string> IniFile::ReadSection(std::string_view section) const {
    const Section* s = FindSection(section);
    return s == nullptr ? std::vector<std::string>{} : s->keyOrder;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    const std::string keyText(Trim(OneLine(key)));
    const std::string line = keyText + "=" + OneLine(value);
    std::vector<std::string> before = lines_;
    if (const Section* s = FindSection(section)) {
        auto it = s->keys.find(LowerLatin1(keyText));
        if (it != s->keys.end()) {
            lines_[it->second] = line;
        } else {
            lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(s->lastLine + 1), line);
        }
    } else {
        if (!lines_.empty() && !Trim(lines_.back()).empty()) {
            lines_.emplace_back();
        }
        lines_.push_back("[" + OneLine(Trim(section)) + "]");
        lines_.push_back(line);
    }
    SaveOrRollBack(std::move(before));
}

void IniFile::Clear() {
    std::vector<std::string> before = std::move(lines_);
    lines_.clear();
    SaveOrRollBack(std::move(before));
}

void IniFile::SaveOrRollBack(std::vector<std::string> before) {
    try {
        Save();
    } catch (...) {
        lines_ = std::move(before);
        throw;
    }
    Parse();
}

void IniFile::Save() const {
    TextList text;
    text.Assign(lines_);
    text.SaveToFile(path_);
}

}  // namespace vx
