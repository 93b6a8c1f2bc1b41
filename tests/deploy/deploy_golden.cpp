#include "deploy_golden.h"

#include <algorithm>
#include <iterator>
#include <set>

#include "platform/ini_file.h"
#include "support/golden.h"

namespace fs = std::filesystem;

namespace vx::test {
namespace {

// Every file of a folder as "name: bytes".
using Files = std::set<std::string>;

const char* const kFiller = "filler\r\n";
const char* const kPlainFile = "a file, not a folder";

std::string FillName(int i) {
    return "fill" + std::to_string(1000 + i).substr(1) + ".txt";
}

Files FilesOf(const fs::path& dir) {
    Files files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
        files.insert(entry.path().filename().string() + ": " +
                     (entry.is_regular_file() ? ReadBytes(entry.path()) : "<not a file>"));
    }
    return files;
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
    Files expected = FilesOf(golden.Dir / "staged");
    for (int i = 1; i <= golden.StagedFills; ++i) {
        expected.insert(FillName(i) + ": " + kFiller);
    }
    Files staged = FilesOf(imports);
    if (golden.Staging == "file") {
        expected = {kPlainFile};
        staged = {ReadBytes(imports)};
    }
    std::vector<std::string> differences;
    std::set_symmetric_difference(expected.begin(), expected.end(), staged.begin(), staged.end(),
                                  std::back_inserter(differences));
    return differences;
}

std::vector<std::string> SourceDifferences(const TempInstallation& install,
                                           const DeployCase& golden) {
    const Files source = FilesOf(golden.Dir / "source");
    const Files now = FilesOf(install.path() / "Temp" / "deploy");
    std::vector<std::string> differences;
    std::set_difference(source.begin(), source.end(), now.begin(), now.end(),
                        std::back_inserter(differences));
    return differences;
}

}  // namespace vx::test
