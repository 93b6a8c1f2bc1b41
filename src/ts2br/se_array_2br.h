#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/one_based.h"

namespace vx {

class TextList;
class Ui;

inline constexpr int kMaxSEEntries = 1024;
inline constexpr int kMaxSERelations = 32;

// One line of a 2BR session's SE list as the 2BR computation reads it, e.g.
// "S120E2WW10_FS7E1_F(Woche): RE3M1," gives S text "S120", E text "E2", XW type "WW", value
// 10, the virtual sentence texts "FS7E1" and "_F" with the flag set, range "Woche" and the
// relation item "RE3M1".
struct T2BRSEEntry {
    int Length = 0;
    std::string Line;   // the line as written
    std::string SText;  // "S" and the topic digits as written: S012E3 does not become S12E3
    std::string EText;  // "E" and the sentence digits
    std::int32_t SNumber = 0;
    std::string Virtual1;  // "F" and the name of a virtual sentence
    std::string Virtual2;  // "_" and its second field
    std::uint8_t VirtualFlag = 0;
    std::string XWType;  // "WW", "EW", "DW" or the letter of a new type and "W"
    std::int32_t XWValue = 0;
    std::string Range;
    OneBased<std::string, kMaxSERelations> Relations;
    std::string Comment;  // from "//" on
};

// Entries 1..n hold the read lines one after the other; an entry with an empty S text ends
// the array.
using T2BRSEArray = OneBased<T2BRSEEntry, kMaxSEEntries>;

// Reads lines 1.. of a 2BR session's SE list into `entries` (which must be empty). Empty
// lines, comment lines and lines that do not begin with "S" are passed over without taking
// an entry, so that every SE line stays reachable. Mode "2BRMode" also reads the virtual
// sentence and the range after the value. Problems of a line are shown and the reading goes
// on; a line that ends right after its XW type ends the reading. Result "OK"; "SEempty" after
// its message when the list has no line below its header; an error text after the message
// that refuses a list beyond the 1024 entries or a line beyond the 32 relation items.
std::string Read2BRSEList(const TextList& list, std::string_view mode, T2BRSEArray& entries,
                          Ui& ui);

}  // namespace vx
