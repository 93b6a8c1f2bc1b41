#pragma once

#include <string>

namespace vx {

// Definition of one operator as a logic file writes it.
struct T_D_Logic {
    std::string Name;
    std::string Sign;
    std::string Impl;  // implementer tag; the built-in operators carry "VXR25"
    bool operator==(const T_D_Logic&) const = default;
};

}  // namespace vx
