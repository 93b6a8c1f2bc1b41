#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/one_based.h"

namespace vx {

// The fixed tables of a 1BR run.
inline constexpr int kSatzRecords = 1024;
inline constexpr int kSatzItems = 32;
inline constexpr int kSEEntries = 2000;

using TSatzItems = OneBased<std::string, kSatzItems>;

// One session line as the run reads it.
struct TSatzEntry {
    // Its own constructor, so that a new table of them is not first cleared byte by byte.
    TSatzEntry() {}

    std::int32_t Length = 0;   // length of the source line
    std::string TopicPart;     // "S254"
    std::string SentencePart;  // "E10"
    std::string XWPart;        // "WW10"
    TSatzItems Items;          // "RS254E11M1", ... without the closing ","
};

// The line records 1..1024 of a run. Room for every record is taken when the table is
// created; a record is built when it is first written, so that a run of a short session
// does not build a thousand empty records. A record never written reads as empty.
class TSatzArray {
public:
    TSatzArray() { records_.reserve(kSatzRecords); }

    TSatzEntry& operator[](int i);
    const TSatzEntry& operator[](int i) const;
    // Every record empty again.
    void Clear() { records_.clear(); }

private:
    std::vector<TSatzEntry> records_;
};

// One assigned SE value.
struct TVxSEPapa {
    std::string Key = "leer";     // "S254E10"
    std::string XWType = "leer";  // "WW"
    std::string Note = "leer";
    std::int32_t Value = -1;
    std::int32_t SentenceNumber = -1;
    std::int32_t TopicNumber = -1;
    // The record also has room for 32 strings that no computation reads; they are left out,
    // so that creating the table of a run costs a third of what it did.
};

// The SE table of a run: entries are filled in table order and, once filled, never
// overwritten, so the filled entries are exactly 1..Used(). Room for every entry is taken
// when the table is created, so an entry never moves; an entry is built when it is filled.
class TVxSETable {
public:
    TVxSETable() { entries_.reserve(kSEEntries); }

    int Used() const { return static_cast<int>(entries_.size()); }
    const TVxSEPapa& operator[](int i) const { return entries_[OneBasedIndex(i, Used())]; }

    // The first filled entry with this key, or nullptr.
    TVxSEPapa* FindKey(std::string_view key);
    // The first filled entry of this topic and sentence number, or nullptr.
    TVxSEPapa* FindNumbers(std::int32_t topic, std::int32_t sentence);
    // The next free entry, now counted as filled; nullptr when the table is full.
    TVxSEPapa* TakeFree();
    // The number of an entry of this table.
    int IndexOf(const TVxSEPapa& entry) const {
        return static_cast<int>(&entry - entries_.data()) + 1;
    }

private:
    std::vector<TVxSEPapa> entries_;
};

// The status of the last evaluated line.
struct TFehlerStatus {
    std::string Changed;  // "0" when the evaluation added no SE value, else the assignment
    std::int32_t Status = 0;
    std::int32_t Value = 0;
    std::string Sentence;  // "0" or topic part + sentence part + XW part of the line in error
    std::string Method;    // "0" or the method text that failed
};

// Status codes of TFehlerStatus.
inline constexpr std::int32_t kStatusOk = 1;
inline constexpr std::int32_t kStatusNothing = 0;
inline constexpr std::int32_t kStatusConflict = -1;
inline constexpr std::int32_t kStatusSyntax = -3;
inline constexpr std::int32_t kStatusUnknown = -9;

// Where a run ended: the record in error (0 for none) and the cycle reached.
struct RunResult {
    int Line = 0;
    int Cycle = 0;
    bool operator==(const RunResult&) const = default;
};

}  // namespace vx
