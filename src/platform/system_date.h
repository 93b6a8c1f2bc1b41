#pragma once

#include <string>

namespace vx {

// Today's date in the system's short date format (the C library's date representation of
// the locale the program runs in), the same for the GUI and the batch tool.
std::string SystemShortDate();

// The local date and time as "2026-12-07_23-59-01": sortable, and fit for a file name.
std::string SystemDateTimeStamp();

}  // namespace vx
