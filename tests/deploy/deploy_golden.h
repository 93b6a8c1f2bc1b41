#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "support/write_limit.h"

namespace vx::test {

// A golden folder of a deploy run, tests/data/deploy/<case>/, run on the deploy folder
// Temp\deploy\ of a temporary installation:
//   case.txt     "exit=" the status vx-check gives; optional "fill=N" (N generated files
//                fill001.txt... holding "filler"), "staged_fills=N" (how many of them are
//                staged), "unreadable=NAME" (a source file that cannot be opened),
//                "staging=missing|file|full" (Temp\imports absent, a plain file, or refusing
//                every write);
//   source/      the source folder;
//   imports/     what Temp\imports holds before the run (absent: nothing);
//   staged/      what it holds after the run, byte for byte, beside the staged fill files;
//   report.txt   the lines of the report;
//   messages.txt the message boxes (absent: none).
// The installation root is written "<root>" in the report and the messages.
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
// How the staging folder differs from the case's expectation; empty when it does not.
std::vector<std::string> StagingDifferences(const TempInstallation& install,
                                            const DeployCase& golden);
// The source files that are no longer as the case holds them.
std::vector<std::string> SourceDifferences(const TempInstallation& install,
                                           const DeployCase& golden);
std::vector<std::string> WithRootMarked(std::vector<std::string> texts, const std::string& root);

}  // namespace vx::test
