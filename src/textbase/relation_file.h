#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/text_list.h"

namespace vx {

// The methods a relation entry may allow, in the order of its boxes.
inline constexpr int kMethodCount = 6;
inline constexpr const char* kMethodNames[kMethodCount] = {"M1", "O1", "O2", "BV1", "LnB1", "LzB1"};

// The store of one value tab holds this many relation entries.
inline constexpr int kMaxRelationEntries = 100;
// Relation names are cut to this many characters.
inline constexpr std::size_t kMaxRelationNameLength = 13;

// One relation offered on a value tab: the related sentence and the methods allowed for it.
struct TRelationEntry {
    std::string Name;
    std::array<bool, kMethodCount> Flags{};
};

// What one relation file of a sentence yields.
struct RelationFileReading {
    std::vector<TRelationEntry> Entries;  // flagged blocks, in file order, at most the store's size
    int LeftOut = 0;                      // flagged blocks that found no room in the store
    bool ActivationClosed = false;        // a "T1:" line closes the tab for activation
    int SyntaxErrorLine = 0;              // 1-based line of a header without the key; 0: none
};

// Reads the blocks of a relation file. Blocks are separated by empty lines; between blocks,
// lines of blanks and "//" lines are comments; every other line there must be a block header
// starting with `key` (S + E + ", " + type + code + ", "), whose text up to its first ":"
// (at most 13 characters) names the relation. Inside a block the lines "M1:" .. "LzB1:" allow
// methods and "T1:" clears them and closes the tab. Reading stops at the first bad header;
// the entries read before it are kept.
RelationFileReading ReadRelationFile(const TextList& lines, const std::string& key);

}  // namespace vx
