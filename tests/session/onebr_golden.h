#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace vx::test {

// A golden folder of the 1BR run, tests/data/session/onebr/<case>/ (its README.txt tells the
// files).
struct OneBRCase {
    std::vector<std::string> Runs;
    int Exit = -1;
    std::vector<std::string> Result;
    std::vector<std::string> Last;
    std::vector<std::string> Messages;
    std::optional<std::vector<std::string>> Explanation;
    std::optional<std::vector<std::string>> Smallest;
};

std::filesystem::path OneBRCasesDir();
OneBRCase ReadOneBRCase(const std::filesystem::path& caseDir);
// Copies the case's install/ folder over the installation; Sessions\default.res gets an old
// content, so that a run must empty it.
void InstallOneBRCase(const TempInstallation& install, const std::filesystem::path& caseDir);
// `text` with every occurrence of the installation root written "<root>".
std::string MarkRoot(std::string text, const std::string& root);
std::vector<std::string> MarkRoot(std::vector<std::string> texts, const std::string& root);

}  // namespace vx::test
