#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "logic/logic_model.h"
#include "platform/ini_file.h"

// What the fuzz targets share: the input cut into its parts, and the demo installation the
// targets read their fixed files from once, before the first input.
namespace vx::fuzz {

// The input as text.
inline std::string_view Text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The first `count` parts of a text separated by NUL bytes; missing parts are empty, and the
// last part keeps any further NUL bytes.
std::vector<std::string_view> Parts(std::string_view text, std::size_t count);

// The system path of a file of the demo installation, and its bytes.
std::string DemoPath(std::string_view relative);
std::string DemoBytes(std::string_view relative);

// A file of the demo session Breakfast's ini directory, read once.
IniFile DemoSessionIni(std::string_view name);

// The model after the demo's Main.ini (and, with `withLogic`, its Logic.ini) was read.
const LogicModel& DemoMainModel();
const LogicModel& DemoLogicModel();

// Stops the run with a crash that names the broken expectation: for properties a reader must
// keep on every input.
[[noreturn]] void Broken(const char* what);

}  // namespace vx::fuzz
