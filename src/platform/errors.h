#pragma once

#include <stdexcept>
#include <string>

// How the core reports failure.
//
// - Input and output fail with an exception, thrown at the platform floor (the classes
//   below: reading and writing files, converting text to a number). The handler that the
//   person started catches it where the system reports the failure and shows its message;
//   no exception leaves a handler.
// - A computation that comes to a verdict returns it as a value, not as a text to compare:
//   an enum class where there are several outcomes, std::optional where the only other
//   outcome is "none" (a split that finds no separator, a lookup that finds nothing).
// - A text is returned only where it is shown as it is (in a list, the report or a message
//   box); such texts are the system's own and stay character for character as they are.

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
