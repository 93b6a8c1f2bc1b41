#include "platform/host_path.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <optional>
#include <system_error>

#include "platform/errors.h"
#include "platform/latin1.h"

namespace fs = std::filesystem;

namespace vx {
namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

std::vector<std::string> SplitComponents(std::string_view path) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : path) {
        if (IsSeparator(c)) {
            if (!current.empty()) {
                parts.push_back(current);
            }
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) {
        parts.push_back(current);
    }
    return parts;
}

bool HostExists(const fs::path& p) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(p, ec));
}

// Ordering used for every listing: without regard to case, then bytes, so that the order
// does not depend on the file system.
bool StableLess(const std::string& a, const std::string& b) {
    const std::string la = LowerLatin1(a);
    const std::string lb = LowerLatin1(b);
    return la != lb ? la < lb : a < b;
}

// The directory entry of `dir` whose name equals `component` without regard to case.
std::optional<fs::path> FindEntryIgnoringCase(const fs::path& dir, const std::string& component) {
    std::error_code ec;
    fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec);
    if (ec) {
        return std::nullopt;
    }
    std::optional<std::string> best;
    fs::path bestName;
    for (const auto& entry : it) {
        const std::string hostName = entry.path().filename().string();
        const std::string name = Utf8ToLatin1(hostName);
        if (SameTextLatin1(name, component) && (!best || StableLess(name, *best))) {
            best = name;
            bestName = entry.path().filename();
        }
    }
    if (!best) {
        return std::nullopt;
    }
    return bestName;
}

template <typename Keep>
std::vector<std::string> ListEntries(std::string_view systemDir, Keep keep) {
    std::vector<std::string> names;
    std::error_code ec;
    const fs::path dir = ToHostPath(systemDir);
    fs::directory_iterator it(dir, ec);
    if (ec) {
        return names;
    }
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) {
            break;
        }
        std::error_code sec;
        const bool isDir = it->is_directory(sec);
        const std::string name = Utf8ToLatin1(it->path().filename().string());
        // Hidden entries of the host (".git", ".gitkeep") are no part of an installation.
        if (!name.empty() && name.front() != '.' && keep(name, isDir)) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end(), StableLess);
    return names;
}

// The temporary file of an atomic write: hidden (a leading ".") so that no listing of the
// system shows one left behind by a killed program, in the target's directory so that the
// rename stays on one file system, and short enough for any host.
fs::path TemporaryBeside(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    constexpr std::size_t kKeptNameBytes = 150;
    const std::string leaf = target.filename().string().substr(0, kKeptNameBytes);
    const std::string name =
        "." + leaf + ".vxtmp" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
    return target.parent_path() / name;
}

// A replaced file keeps the permissions it had.
void KeepModeOf(const fs::path& target, int fd) {
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        ::fchmod(fd, old.st_mode & 07777);
    }
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The rename itself reaches the disk only with its directory.
void SyncDirectory(const fs::path& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

fs::path ToHostPath(std::string_view systemPath) {
    std::string_view rest = systemPath;
    if (rest.size() >= 2 && rest[1] == ':') {
        rest.remove_prefix(2);
    }
    const bool absolute = !rest.empty() && IsSeparator(rest.front());
    fs::path current = absolute ? fs::path("/") : fs::path();
    for (const std::string& component : SplitComponents(rest)) {
        if (component == "." || component == "..") {
            current /= component;
            continue;
        }
        const fs::path exact = current / Latin1ToUtf8(component);
        if (HostExists(exact)) {
            current = exact;
        } else if (auto match = FindEntryIgnoringCase(current, component)) {
            current /= *match;
        } else {
            current = exact;
        }
    }
    return current;
}

std::string ToSystemPath(const fs::path& hostPath) {
    std::string text = Utf8ToLatin1(hostPath.string());
    std::replace(text.begin(), text.end(), '/', '\\');
    return text;
}

bool FileExists(std::string_view systemPath) {
    std::error_code ec;
    const fs::path p = ToHostPath(systemPath);
    return fs::exists(p, ec) && !fs::is_directory(p, ec);
}

bool DirectoryExists(std::string_view systemPath) {
    std::error_code ec;
    return fs::is_directory(ToHostPath(systemPath), ec);
}

bool ForceDirectories(std::string_view systemPath) {
    std::error_code ec;
    const fs::path p = ToHostPath(systemPath);
    fs::create_directories(p, ec);
    return fs::is_directory(p, ec);
}

bool RemoveFile(std::string_view systemPath) {
    std::error_code ec;
    const fs::path p = ToHostPath(systemPath);
    return !fs::is_directory(p, ec) && fs::remove(p, ec);
}

bool MatchesMask(std::string_view name, std::string_view mask) {
    if (mask == "*.*" || mask == "*") {
        return true;
    }
    // Iterative wildcard match with one back-tracking point for the last "*".
    std::size_t n = 0, m = 0, starMask = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || LowerLatin1(mask[m]) == LowerLatin1(name[n]))) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*') {
        ++m;
    }
    return m == mask.size();
}

std::vector<std::string> FindFiles(std::string_view systemDir, std::string_view mask) {
    return ListEntries(systemDir, [mask](const std::string& name, bool isDir) {
        return !isDir && MatchesMask(name, mask);
    });
}

std::vector<std::string> FindDirectories(std::string_view systemDir) {
    return ListEntries(systemDir, [](const std::string&, bool isDir) { return isDir; });
}

std::string ReadFileBytes(std::string_view systemPath) {
    std::string bytes;
    ReadFileBytes(systemPath, bytes);
    return bytes;
}

void ReadFileBytes(std::string_view systemPath, std::string& bytes) {
    bytes.clear();
    const fs::path p = ToHostPath(systemPath);
    std::error_code ec;
    if (fs::is_directory(p, ec)) {
        throw FileError("Cannot open file \"" + std::string(systemPath) + "\": it is a directory");
    }
    // A device or a pipe could block or never end: only plain files are read.
    if (fs::exists(p, ec) && !fs::is_regular_file(p, ec)) {
        throw FileError("Cannot open file \"" + std::string(systemPath) + "\": not a plain file");
    }
    std::ifstream in(p, std::ios::binary);
    if (!in) {
        throw FileError("Cannot open file \"" + std::string(systemPath) + "\"");
    }
    // Read in blocks: large files (a deploy folder holds up to 254 of a megabyte) would
    // otherwise be copied one character at a time.
    if (const auto size = fs::file_size(p, ec); !ec) {
        bytes.reserve(static_cast<std::size_t>(size));
    }
    char block[1 << 16];
    while (in.read(block, sizeof block) || in.gcount() > 0) {
        bytes.append(block, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        throw FileReadError("Cannot read file \"" + std::string(systemPath) + "\"");
    }
}

void WriteFileAtomic(std::string_view systemPath, std::string_view bytes) {
    const fs::path target = ToHostPath(systemPath);
    std::error_code ec;
    if (fs::is_directory(target, ec)) {
        throw FileError("Cannot create file \"" + std::string(systemPath) +
                        "\": it is a directory");
    }
    fs::path temp;
    int fd = -1;
    // A name left by an earlier program with the same process number is passed over.
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temp = TemporaryBeside(target);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        throw FileError("Cannot create file \"" + std::string(systemPath) + "\"");
    }
    KeepModeOf(target, fd);
    // The content reaches the disk before the rename makes it the file: after a crash or a
    // power loss the name holds either the old content or the new, never a part of it.
    const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        fs::remove(temp, ec);
        throw FileError("Cannot write file \"" + std::string(systemPath) + "\"");
    }
    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw FileError("Cannot write file \"" + std::string(systemPath) + "\": " + ec.message());
    }
    SyncDirectory(target.parent_path());
}

}  // namespace vx

namespace vx {

void MovePath(std::string_view fromSystemPath, std::string_view toSystemPath) {
    const fs::path from = ToHostPath(fromSystemPath);
    const fs::path to = ToHostPath(toSystemPath);
    const std::string what = "Cannot move \"" + std::string(fromSystemPath) + "\" to \"" +
                             std::string(toSystemPath) + "\"";
    std::error_code ec;
    if (fs::exists(fs::symlink_status(to, ec))) {
        throw FileError(what + ": the target exists");
    }
    fs::rename(from, to, ec);
    if (ec == std::errc::cross_device_link) {
        // Another file system: a full copy first, so that a failure leaves the original.
        ec.clear();
        fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::copy_symlinks, ec);
        if (!ec) {
            fs::remove_all(from, ec);
        }
    }
    if (ec) {
        throw FileError(what + ": " + ec.message());
    }
}

}  // namespace vx
