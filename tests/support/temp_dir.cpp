#include "support/temp_dir.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/host_path.h"

namespace fs = std::filesystem;

namespace vx::test {

TempDir::TempDir() : TempDir(fs::temp_directory_path()) {}

TempDir::TempDir(const fs::path& base) {
    static std::atomic<int> counter{0};
    for (int attempt = 0; attempt < 1000; ++attempt) {
        fs::path candidate =
            base / ("vxtest_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
        std::error_code ec;
        if (fs::create_directory(candidate, ec)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary directory");
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

std::string TempDir::SystemPath() const {
    return ToSystemPath(path_) + "\\";
}

void TempDir::Write(const std::string& relative, std::string_view bytes) const {
    const fs::path file = path_ / relative;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempDir::Read(const std::string& relative) const {
    std::ifstream in(path_ / relative, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool TempDir::Exists(const std::string& relative) const {
    return fs::exists(path_ / relative);
}

void TempDir::MakeDir(const std::string& relative) const {
    fs::create_directories(path_ / relative);
}

TempInstallation::TempInstallation(std::string_view vxIni) {
    for (const char* dir :
         {"System", "Sessions/SesBkp", "Temp/imports", "Log", "Lists", "Text/Templates"}) {
        MakeDir(dir);
    }
    Write("System/vx.ini", vxIni.empty() ? StandardVxIni() : std::string(vxIni));
}

DemoCopy::DemoCopy() {
    CopyTree(VX_DEMO_DIR, path());
}

std::string StandardVxIni() {
    return "[Paths]\r\n"
           "EveryOnePath=Text\\EveryOne\\\r\n"
           "userpath=Text\\User\\\r\n"
           "userspath=Text\\Users\\\r\n"
           "grouppath=Text\\Groups\\\r\n"
           "deploypath=Temp\\deploy\\\r\n"
           "Editor=System\\editor\r\n"
           "[setups]\r\n"
           "authorRangeBegin=1\r\nauthorRangeEnd=999\r\n"
           "usersRangeBegin=1000\r\nusersRangeEnd=9999\r\n"
           "groupsRangeBegin=10000\r\ngroupsRangeEnd=19999\r\n"
           "everyoneRangeBegin=20000\r\neveryoneRangeEnd=29999\r\n"
           "[users]\r\nusr1101=usr1101\r\nusr1101_Name=Ada\r\nusr1101_Version=1\r\n"
           "[groups]\r\nGrp1=grp1\r\ngrp1=Active\r\ngrp1_Name=Reading circle\r\ngrp1_Version=1\r\n"
           "[SessionsIni]\r\nLastSessionName=none\r\nLastSessionStatus=closed\r\nvxClosedCorrectly="
           "1\r\n";
}

void CopyTree(const fs::path& source, const fs::path& target) {
    fs::create_directories(target);
    fs::copy(source, target, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

}  // namespace vx::test
