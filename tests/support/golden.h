#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vx::test {

// Golden-folder tests keep one folder per case below a directory of tests/data; a
// parameterised test enumerates the folders itself, so no case can drift out of the run.
std::vector<std::string> GoldenCases(const std::filesystem::path& directory);

// The test-data directory of the source tree, and the demo installation.
std::filesystem::path TestDataDir();
std::filesystem::path DemoDir();

// Reads a file of messages: each message is written with its "\r" breaks as real line
// breaks, and every message is followed by a line "--- end".
std::vector<std::string> ReadMessagesFile(const std::filesystem::path& file);
// The inverse, for writing expected files and for diagnostics.
std::string FormatMessages(const std::vector<std::string>& messages);

// Name printer for INSTANTIATE_TEST_SUITE_P over folder names.
struct GoldenName {
    std::string operator()(const auto& info) const { return Sanitize(info.param); }
    static std::string Sanitize(const std::string& name);
};

}  // namespace vx::test
