#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// Paths inside the system are its own strings: backslash separated, Latin-1, directories
// ending with a backslash. They meet the host file system only here.
//
// "\" and "/" are both separators. A path that begins with a separator starts at the host's
// root; a leading drive ("D:") has no meaning on this host and is dropped. Every existing
// component is matched without regard to case, so "RELATION\FormaleR" and "Relation\FormaleR"
// meet the same directory; a component that does not exist yet keeps the case it was given.
std::filesystem::path ToHostPath(std::string_view systemPath);

// The system's form of a host path: separators become backslashes, names become Latin-1.
std::string ToSystemPath(const std::filesystem::path& hostPath);

bool FileExists(std::string_view systemPath);  // an existing file that is not a directory
bool DirectoryExists(std::string_view systemPath);
// Creates the directory and any missing parents; true when the directory exists afterwards.
bool ForceDirectories(std::string_view systemPath);
bool RemoveFile(std::string_view systemPath);

// Windows-style wildcard match without regard to case: "*" any run, "?" one character;
// "*.*" matches every name.
bool MatchesMask(std::string_view name, std::string_view mask);

// Names (not paths) of the files, or sub-directories, of a directory that match a mask,
// in a stable order: without regard to case first, then byte order. Hidden entries (names
// beginning with ".") are left out. A missing or unreadable directory gives an empty list.
std::vector<std::string> FindFiles(std::string_view systemDir, std::string_view mask = "*");
std::vector<std::string> FindDirectories(std::string_view systemDir);

// Whole-file byte access; failures throw FileError naming the path.
std::string ReadFileBytes(std::string_view systemPath);
// The same into `bytes`, whose allocation is kept for reading many files in turn.
void ReadFileBytes(std::string_view systemPath, std::string& bytes);
// Replaces the file atomically: a hidden temporary file beside it is written and flushed to
// the disk, then renamed over it, so a failed or interrupted write (a killed program, a power
// loss) never leaves anything but the old content or the new, whole. Every file the system
// writes goes through here.
void WriteFileAtomic(std::string_view systemPath, std::string_view bytes);
// Moves a file, or a directory with everything in it, to a path that does not exist yet.
// Between file systems it copies and then removes the original. Failures throw FileError.
void MovePath(std::string_view fromSystemPath, std::string_view toSystemPath);

}  // namespace vx
