#include "deploy_golden.h"

#include <map>

#include "platform/ini_file.h"
#include "support/golden.h"

namespace fs = std::filesystem;

namespace vx::test {
namespace {

using Files = std::map<std::string, std::string>;

const char* const kFiller = "filler\r\n";
const char* const kPlainFile = "a file, not a folder";

std::string FillName(int i) {
    return "fill" + std::to_string(1000 + i).substr(1) + ".txt";
}

Files FilesOf(const fs::path& dir) {
    Files files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
        files[entry.path().filename().string()] =
            entry.is_regular_file() ? ReadBytes(entry.path()) : "<not a file>";
    }
    return files;
}

// The files of `wanted` that `found` does not hold byte for byte, each named after `label`.
std::vector<std::string> Missing(const Files& wanted, const Files& found,
                                 const std::string& label) {
    std::vector<std::string> missing;
    for (const auto& [name, bytes] : wanted) {
        if (!found.contains(name) || found.at(name) != bytes) {
            missing.push_back(label + name + ": \"" + bytes + "\"");
        }
    }
    return missing;
}

}  // namespace

fs::path DeployCasesDir() {
    return TestDataDir() / "deploy";
}

DeployCase ReadDeployCase(const std::string& name) {
    DeployCase golden;
    golden.Dir = DeployCasesDir() / name;
    const IniFile keys("case.txt", "[case]\n" + ReadBytes(golden.Dir / "case.txt"));
    golden.Exit = std::stoi(keys.ReadString("case", "exit", "-1"));
    golden.Fill = std::stoi(keys.ReadString("case", "fill", "0"));
    golden.StagedFills = std::stoi(keys.ReadString("case", "staged_fills", "0"));
    golden.Unreadable = keys.ReadString("case", "unreadable", "");
    golden.Staging = keys.ReadString("case", "staging", "");
    golden.Report = LinesOf(golden.Dir / "report.txt");
    golden.Messages = ReadMessagesFile(golden.Dir / "messages.txt");
    return golden;
}

void InstallDeployCase(const TempInstallation& install, const DeployCase& golden) {
    const fs::path source = install.path() / "Temp" / "deploy";
    fs::create_directories(source);
    if (fs::exists(golden.Dir / "source")) {
        CopyTree(golden.Dir / "source", source);
    }
    for (int i = 1; i <= golden.Fill; ++i) {
        install.Write("Temp/deploy/" + FillName(i), kFiller);
    }
    if (!golden.Unreadable.empty()) {
        fs::create_symlink("no-such-target", source / golden.Unreadable);
    }
    if (golden.Staging == "missing" || golden.Staging == "file") {
        fs::remove_all(install.path() / "Temp" / "imports");
    }
    if (golden.Staging == "file") {
        install.Write("Temp/imports", kPlainFile);
    }
    if (fs::exists(golden.Dir / "imports")) {
        CopyTree(golden.Dir / "imports", install.path() / "Temp" / "imports");
    }
}

std::unique_ptr<WriteLimit> StagingLimit(const DeployCase& golden) {
    return golden.Staging == "full" ? std::make_unique<WriteLimit>(1) : nullptr;
}

std::vector<std::string> StagingDifferences(const TempInstallation& install,
                                            const DeployCase& golden) {
    const fs::path imports = install.path() / "Temp" / "imports";
    if (golden.Staging == "file") {
        return Missing({{"imports", kPlainFile}}, {{"imports", ReadBytes(imports)}}, "not ");
    }
    Files expected = FilesOf(golden.Dir / "staged");
    for (int i = 1; i <= golden.StagedFills; ++i) {
        expected[FillName(i)] = kFiller;
    }
    const Files staged = FilesOf(imports);
    std::vector<std::string> differences = Missing(expected, staged, "expected staged: ");
    for (std::string& extra : Missing(staged, expected, "found staged: ")) {
        differences.push_back(std::move(extra));
    }
    return differences;
}

std::vector<std::string> SourceDifferences(const TempInstallation& install,
                                           const DeployCase& golden) {
    return Missing(FilesOf(golden.Dir / "source"), FilesOf(install.path() / "Temp" / "deploy"),
                   "changed: ");
}

}  // namespace vx::test
