#include "platform/system_date.h"

#include <ctime>

namespace vx {

std::string SystemShortDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[64];
    const std::size_t size = std::strftime(text, sizeof text, "%x", &local);
    return std::string(text, size);
}

std::string SystemDateTimeStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    const std::size_t size = std::strftime(text, sizeof text, "%Y-%m-%d_%H-%M-%S", &local);
    return std::string(text, size);
}

}  // namespace vx
