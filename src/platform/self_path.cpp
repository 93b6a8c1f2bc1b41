#include "platform/self_path.h"

#include <filesystem>
#include <system_error>

#include "platform/host_path.h"

namespace vx {

std::string ProgramFileName() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) {
        return {};
    }
    return ToSystemPath(exe);
}

}  // namespace vx
