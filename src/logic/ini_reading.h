#pragma once

#include <optional>
#include <string>

#include "platform/ini_file.h"

namespace vx {
class Ui;
}

// Small helpers shared by the loaders of the logic configuration.
namespace vx::logic {

inline std::string N(int number) {
    return std::to_string(number);
}

// The loaders' mark of a key without a usable value.
inline bool IsEmptyMark(const std::string& value) {
    return value.empty() || value == "EMPTY";
}

// Reads the whole file once; when it cannot be read, shows `message` and gives nothing.
std::optional<IniFile> OpenIni(const std::string& path, Ui& ui, const std::string& message);

// The integer of a text that an earlier loader has already checked, or 0.
int CheckedNumber(const std::string& text);
// A checked valence, never beyond the tables of the model.
int CheckedValence(const std::string& text);

}  // namespace vx::logic
