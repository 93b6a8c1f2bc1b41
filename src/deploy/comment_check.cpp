#include "deploy/comment_check.h"

namespace vx {

const char* const kErrSecondBigBlock = "Error: 2nd opened Big Block Comment !";
const char* const kErrSecondBlock = "Error: 2nd Block Comment befor last closed!";
const char* const kErrBlockEndWithoutStart = "Error: End of a Block comment without start !";
const char* const kErrOneLineNotFinished = "Error: One Line comment not finished in that line!";
const char* const kErrBigBlockNotClosed = "Error: End of a last triple Block comment missing !";
const char* const kErrBlockNotClosed = "Error: End of a last Block comment missing !";
const char* const kUnknownText = "unkown...";

namespace {

const char* const kFollowedBy = "+ followed by Line:";

bool StartsWith(std::string_view line, std::string_view delimiter) {
    return line.substr(0, delimiter.size()) == delimiter;
}

bool EndsWithBeforeBlanks(std::string_view line, std::string_view delimiter) {
    const auto last = line.find_last_not_of(" \t");
    line = last == std::string_view::npos ? std::string_view() : line.substr(0, last + 1);
    return line.size() >= delimiter.size() &&
           line.substr(line.size() - delimiter.size()) == delimiter;
}

// Reads a file line by line and knows which comments are open. A block may open inside a
// big block and stays open after the big block ends.
class CommentScanner {
public:
    explicit CommentScanner(const TCmtDelimiters& delimiters) : d_(delimiters) {}

    // Reads one line: the error text, or nullptr. `keep` tells whether the line is text.
    const char* Read(std::string_view line, bool& keep) {
        keep = false;
        bool handled = false;
        if (inBigBlock_) {
            if (StartsWith(line, d_.BigBlockStart)) {
                return kErrSecondBigBlock;
            }
            if (StartsWith(line, d_.BigBlockEnd)) {
                inBigBlock_ = false;
                handled = true;
            }
        }
        if (inBlock_ && !handled) {
            if (StartsWith(line, d_.BlockStart)) {
                return kErrSecondBlock;
            }
            if (StartsWith(line, d_.BlockEnd)) {
                inBlock_ = false;
                handled = true;
            }
        }
        if (!handled) {
            if (StartsWith(line, d_.BigBlockStart)) {
                inBigBlock_ = true;
                handled = true;
            } else if (StartsWith(line, d_.BlockStart)) {
                inBlock_ = true;
                handled = true;
            } else if (StartsWith(line, d_.BlockEnd)) {
                return kErrBlockEndWithoutStart;
            }
        }
        if (handled || inBlock_ || inBigBlock_) {
            return nullptr;
        }
        if (StartsWith(line, d_.OneLineStart)) {
            return EndsWithBeforeBlanks(line, d_.OneLineEnd) ? nullptr : kErrOneLineNotFinished;
        }
        keep = true;
        return nullptr;
    }

    // The error of a file that ends inside a comment, or nullptr.
    const char* AtEnd() const {
        if (inBigBlock_) {
            return kErrBigBlockNotClosed;
        }
        return inBlock_ ? kErrBlockNotClosed : nullptr;
    }

private:
    const TCmtDelimiters& d_;
    bool inBlock_ = false;
    bool inBigBlock_ = false;
};

}  // namespace

TCommentCheck RemoveComments(const std::vector<std::string_view>& lines,
                             const TCmtDelimiters& delimiters, std::string& cleaned) {
    TCommentCheck check;
    CommentScanner scanner(delimiters);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        bool keep = false;
        if (const char* error = scanner.Read(lines[i], keep)) {
            check.Ok = false;
            check.Line = static_cast<std::int32_t>(i + 1);
            check.Message = error;
            check.Text = lines[i];
            if (i + 1 < lines.size()) {
                check.Text += kFollowedBy;
                check.Text += lines[i + 1];
            }
            return check;
        }
        if (keep) {
            cleaned += lines[i];
            cleaned += "\r\n";
        }
        check.LastLine = lines[i];
    }
    if (const char* error = scanner.AtEnd()) {
        check.Ok = false;
        check.Message = error;
        check.Text = kUnknownText;
    }
    return check;
}

}  // namespace vx
