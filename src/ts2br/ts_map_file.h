#pragma once

#include <string>

#include "platform/one_based.h"
#include "platform/ui.h"

namespace vx {

class TextList;

inline constexpr int kMaxTSPerSentence = 99;

// The block of one sentence in a topic's TS map file, as the reader found it.
struct TSMapBlock {
    std::string FileName;
    std::string EText;   // "E3"
    std::string BaseXW;  // "WW", "EW", "DW", ...
    std::string TSString;
    int TSCount = 0;
    OneBased<std::string, kMaxTSPerSentence> TSTypes;
    // The text after "TS<n>:" of each type line: what the TS stands for.
    OneBased<std::string, kMaxTSPerSentence> TSTexts;
};

// Reads the block of sentence `eNumber` from a TS map file. 1 when the header and a complete
// block were found; -1 otherwise, after the messages of the reader. `result` is written only
// on success, so that it keeps the last successful read.
int ReadTSMapBlock(Ui& ui, const std::string& fileName, int eNumber, const std::string& eText,
                   TSMapBlock& result);
// The same on the lines of the file, already read.
int ReadTSMapBlock(Ui& ui, const std::string& fileName, const TextList& lines, int eNumber,
                   const std::string& eText, TSMapBlock& result);

// The highest n (1..99) for which "TS" + n occurs in `tsString`; 0 when none does.
int CountTSOf(const std::string& tsString);

// The one TS whose XW type differs from the base type: its number, 0 when every TS has the
// base type, -1 when more than one differs.
int ExceptionTSOf(const TSMapBlock& block);

// The prescribed value of an exception TS in a TS settings text: the value in "[" "]" after
// the XW type, checked against the value codes of `expectedType`; otherwise an error text
// beginning with "Err".
std::string CheckExceptionXW(const std::string& text, const std::string& expectedType);

// `tsString` with "[" + value + "]" inserted after every occurrence of TS `tsNumber` (after
// its "'" when one follows the digits).
std::string InsertTSValue(const std::string& tsString, int tsNumber, const std::string& value);

// The logic a TS line of this base XW type is computed in: "DefWW", "DefEW", "DefDW", or
// "NewXW" for any other type.
std::string LogicOfXWType(const std::string& xwType);

}  // namespace vx
