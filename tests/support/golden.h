#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vx::test {

// Golden-folder tests keep one folder per case below a directory of tests/data; a
// parameterised test enumerates the folders itself, so no case can drift out of the run.
std::vector<std::string> GoldenCases(const std::filesystem::path& directory);
// The cases of a directory of suites, named "<suite>/<case>".
std::vector<std::string> GoldenCasesInSuites(const std::filesystem::path& directory);

// The test-data directory of the source tree, and the demo installation.
std::filesystem::path TestDataDir();
std::filesystem::path DemoDir();

// The bytes of a file; empty when it cannot be read.
std::string ReadBytes(const std::filesystem::path& file);
// The lines of a text file; none when the file does not exist.
std::vector<std::string> LinesOf(const std::filesystem::path& file);
// The words of a text, split at blanks.
std::vector<std::string> Words(const std::string& text);
// `text` with every occurrence of `from` replaced by `to`.
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to);

// Reads a file of messages: each message is written with its "\r" breaks as real line
// breaks, and every message is followed by a line "--- end". No file: no messages.
std::vector<std::string> ReadMessagesFile(const std::filesystem::path& file);
// The inverse, for writing expected files and for diagnostics.
std::string FormatMessages(const std::vector<std::string>& messages);

// With VX_GOLDEN_DUMP set, writes what a case gave to <dump>/<suite>/<case>/<file>, so that
// a changed expectation can be reviewed and copied.
void DumpActual(const std::string& suite, const std::string& name, const std::string& file,
                const std::string& bytes);

// Name printer for INSTANTIATE_TEST_SUITE_P over folder names.
struct GoldenName {
    std::string operator()(const auto& info) const { return Sanitize(info.param); }
    static std::string Sanitize(const std::string& name);
};

}  // namespace vx::test
