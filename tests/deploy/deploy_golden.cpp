#include "deploy_golden.h"

#include <cstdio>
#include <map>

#include "support/golden.h"

namespace fs = std::filesystem;

namespace vx::test {
namespace {

const char* const kFiller = "filler\r\n";

std::string FillName(int i) {
    char name[24];
    std::snprintf(name, sizeof name, "fill%03d.txt", i);
    return name;
}

std::map<std::string, std::string> FilesOf(const fs::path& dir) {
    std::map<std::string, std::string> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
        files[entry.path().filename().string()] =
            entry.is_regular_file() ? ReadBytes(entry.path()) : "<not a file>";
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
    for (const std::string& line : LinesOf(golden.Dir / "case.txt")) {
        const auto eq = line.find('=');
        const std::string key = line.substr(0, eq);
        const std::string value = eq == std::string::npos ? "" : line.substr(eq + 1);
        if (key == "exit") {
            golden.Exit = std::stoi(value);
        } else if (key == "fill") {
            golden.Fill = std::stoi(value);
        } else if (key == "staged_fills") {
            golden.StagedFills = std::stoi(value);
        } else if (key == "unreadable") {
            golden.Unreadable = value;
        } else if (key == "staging") {
            golden.Staging = value;
        }
    }
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
    const fs::path imports = install.path() / "Temp" / "imports";
    if (golden.Staging == "missing" || golden.Staging == "file") {
        fs::remove_all(imports);
    }
    if (golden.Staging == "file") {
        install.Write("Temp/imports", "a file, not a folder");
    }
    if (fs::exists(golden.Dir / "imports")) {
        CopyTree(golden.Dir / "imports", imports);
    }
}

std::unique_ptr<WriteLimit> StagingLimit(const DeployCase& golden) {
    return golden.Staging == "full" ? std::make_unique<WriteLimit>(1) : nullptr;
}

std::vector<std::string> StagingDifferences(const TempInstallation& install,
                                            const DeployCase& golden) {
    std::vector<std::string> differences;
    const fs::path imports = install.path() / "Temp" / "imports";
    if (golden.Staging == "file") {
        if (ReadBytes(imports) != "a file, not a folder") {
            differences.push_back("Temp/imports is no longer the plain file it was");
        }
        return differences;
    }
    std::map<std::string, std::string> expected = FilesOf(golden.Dir / "staged");
    for (int i = 1; i <= golden.StagedFills; ++i) {
        expected[FillName(i)] = kFiller;
    }
    const std::map<std::string, std::string> actual = FilesOf(imports);
    for (const auto& [name, bytes] : expected) {
        const auto found = actual.find(name);
        if (found == actual.end()) {
            differences.push_back(name + " is not staged");
        } else if (found->second != bytes) {
            differences.push_back(name + " is staged as \"" + found->second + "\"");
        }
    }
    for (const auto& [name, bytes] : actual) {
        if (!expected.contains(name)) {
            differences.push_back(name + " is staged but should not be");
        }
    }
    return differences;
}

std::vector<std::string> SourceDifferences(const TempInstallation& install,
                                           const DeployCase& golden) {
    std::vector<std::string> differences;
    const auto source = FilesOf(install.path() / "Temp" / "deploy");
    for (const auto& [name, bytes] : FilesOf(golden.Dir / "source")) {
        const auto found = source.find(name);
        if (found == source.end() || found->second != bytes) {
            differences.push_back(name + " changed");
        }
    }
    return differences;
}

std::vector<std::string> WithRootMarked(std::vector<std::string> texts, const std::string& root) {
    for (auto& text : texts) {
        text = ReplaceAll(std::move(text), root, "<root>");
    }
    return texts;
}

}  // namespace vx::test
