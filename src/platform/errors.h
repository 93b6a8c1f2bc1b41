#pragma once

#include <stdexcept>
#include <string>

namespace vx {

// A file could not be read or written. Handlers catch it and show the system's message.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file was opened but could not be read to its end.
class FileReadError : public FileError {
public:
    using FileError::FileError;
};

// A text did not convert to a number.
class ConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A line index outside a list was written to.
class IndexError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

}  // namespace vx
