#include "logic/ini_reading.h"

#include <algorithm>

#include "logic/logic_model.h"

#include "platform/errors.h"
#include "platform/strict_int.h"
#include "platform/ui.h"

namespace vx::logic {

std::optional<IniFile> OpenIni(const std::string& path, Ui& ui, const std::string& message) {
    try {
        return IniFile(path);
    } catch (const FileError&) {
        ui.ShowMessage(message);
        return std::nullopt;
    }
}

int CheckedNumber(const std::string& text) {
    return TryStrToInt(text).value_or(0);
}

int CheckedValence(const std::string& text) {
    return std::min(CheckedNumber(text), kMaxValence);
}

}  // namespace vx::logic
