#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vx::test {

// A fresh temporary directory, removed with everything in it at the end of the test.
class TempDir {
public:
    TempDir();
    // Below `base` instead of the system's temporary directory.
    explicit TempDir(const std::filesystem::path& base);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The directory in the system's path form, with a trailing backslash.
    std::string SystemPath() const;
    // The program's file name in the directory taken as an installation, in the system's
    // path form, and the installation root as the system derives it from that.
    std::string ProgramFileName() const { return SystemPath() + "System\\vx"; }
    std::string Root() const { return SystemPath(); }

    // Writes a file below the directory (parents created); `relative` uses "/" separators.
    void Write(const std::string& relative, std::string_view bytes) const;
    std::string Read(const std::string& relative) const;
    bool Exists(const std::string& relative) const;
    void MakeDir(const std::string& relative) const;

private:
    std::filesystem::path path_;
};

// A temporary installation: the directory tree of the system with System/vx.ini.
class TempInstallation : public TempDir {
public:
    explicit TempInstallation(std::string_view vxIni = {});
};

// A temporary copy of the demo installation.
class DemoCopy : public TempDir {
public:
    DemoCopy();
};

// A complete vx.ini for tests: four owner-area paths, ranges 1..29999, a user and a group.
std::string StandardVxIni();

// Copies a directory tree (the demo installation, a golden folder) into `target`.
void CopyTree(const std::filesystem::path& source, const std::filesystem::path& target);

}  // namespace vx::test
