#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "support/write_limit.h"

namespace vx::test {

// A golden folder of a deploy run, tests/data/deploy/<case>/; its files are described in
// tests/data/deploy/README.txt.
struct DeployCase {
    std::filesystem::path Dir;
    int Exit = -1;
    int Fill = 0;
    int StagedFills = 0;
    std::string Unreadable;
    std::string Staging;
    std::vector<std::string> Report;
    std::vector<std::string> Messages;
};

std::filesystem::path DeployCasesDir();
DeployCase ReadDeployCase(const std::string& name);
// Builds the source folder and the staging folder of the case in the installation.
void InstallDeployCase(const TempInstallation& install, const DeployCase& golden);
// While it lives, the staging folder refuses writes as the case asks.
std::unique_ptr<WriteLimit> StagingLimit(const DeployCase& golden);
// The files (as "name: bytes") by which the staging folder and the case's expectation differ.
std::vector<std::string> StagingDifferences(const TempInstallation& install,
                                            const DeployCase& golden);
// The source files (as "name: bytes") that are no longer as the case holds them.
std::vector<std::string> SourceDifferences(const TempInstallation& install,
                                           const DeployCase& golden);

}  // namespace vx::test
