#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// The comment delimiters of files written outside vx. Comments are recognised only at the
// start of a line.
struct TCmtDelimiters {
    std::string OneLineStart = "<";
    std::string OneLineEnd = ">";
    std::string BlockStart = "<<";
    std::string BlockEnd = ">>";
    std::string BigBlockStart = "<<<";
    std::string BigBlockEnd = ">>>";
};

extern const char* const kErrSecondBigBlock;
extern const char* const kErrSecondBlock;
extern const char* const kErrBlockEndWithoutStart;
extern const char* const kErrOneLineNotFinished;
extern const char* const kErrBigBlockNotClosed;
extern const char* const kErrBlockNotClosed;
// The text reported for an error found at the end of a file.
extern const char* const kUnknownText;

// The check of one file: the first error, or none.
struct TCommentCheck {
    bool Ok = true;
    std::int32_t Line = 0;  // from 1; 0 for an error found at the end of the file
    std::string Message;
    std::string Text;      // the offending line, with the one after it when there is one
    std::string LastLine;  // the line of the file read before the offending one
};

// Checks the comment syntax of a file's lines and appends every line outside a comment to
// `cleaned`, each followed by CR LF. At the first error it stops; `cleaned` then holds only a
// part of the file and must not be written.
TCommentCheck RemoveComments(const std::vector<std::string_view>& lines,
                             const TCmtDelimiters& delimiters, std::string& cleaned);

}  // namespace vx
