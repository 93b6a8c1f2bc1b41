#pragma once

#include <functional>
#include <string>

#include "logic/logic_model.h"
#include "platform/ini_file.h"

namespace vx {
class Ui;
}

// The readers that Logic.ini and RangeLogic.ini share: operator definitions, value sections
// and value tables. The two files differ only in their section and key names and messages.
namespace vx::logic {

using NumberedText = std::function<std::string(int)>;

// Messages of one operator definition section, by operator number.
struct LogopTexts {
    NumberedText FirstUnnamed;  // warning: the first operator has no name
    NumberedText MissingSign, LongName, LongSign, MissingImpl;
};

// Reads operators 1..count of `section` ("<prefix><i>_Name", "_Sign", "_Impl") into `defs`.
// When `warnFirst` is set, an unnamed first operator is only warned about and gets no sign.
// Returns false when an error was reported; reading always goes on to the end.
bool ReadLogopDefs(const IniFile& ini, const std::string& section, const std::string& prefix,
                   int count, bool warnFirst, const LogopTexts& texts,
                   OneBased<T_D_Logic, kMaxLogops>& defs, Ui& ui);

// Keys of a value section: "Value" + v followed by the suffix.
struct ValueLayout {
    std::string Section;
    std::string CodeSuffix, ItpSuffix, ImplSuffix;
};

// Messages of a value section, by value position.
struct ValueTexts {
    NumberedText Empty, NoNumber, NoItp, NoImpl;
};

struct ValueList {
    OneBased<std::int32_t, kMaxValence> Code;
    OneBased<std::string, kMaxValence> Itp, Impl;
};

// Reads values 1..valence; a code must be a whole number that a table cell can hold.
bool ReadValues(const IniFile& ini, const ValueLayout& layout, int valence, const ValueTexts& texts,
                ValueList& values, Ui& ui);

// Puts the value list and the operator definitions into a type record.
void SetTypeValues(TXW_Type& type, const ValueList& values);
void SetTypeLogops(TXW_Type& type, const OneBased<T_D_Logic, kMaxLogops>& unary, int unaryCount,
                   const OneBased<T_D_Logic, kMaxLogops>& binary, int binaryCount);

enum class TableKind { Unary, Twice, Binary };

// Where the tables of one type are and how their keys are built: unary K + infix + c,
// twice K + "_" + K + infix + c, binary prefix + c1 + "_" + K + infix + c2.
struct TableLayout {
    std::string UnarySection, TwiceSection;
    std::string BinarySection;  // empty: the type has no binary tables
    std::string KeyInfix, KeyPrefix;
};

// The table entry that could not be read.
struct BadEntry {
    TableKind Kind;
    std::string Key;
    std::string Logop;  // the operator's key name
    int Position;       // the (left) value position
};

struct TableTexts {
    std::function<std::string(const BadEntry&)> Entry;    // the entry is no result
    std::function<std::string(const BadEntry&)> Element;  // a list element is no number
};

// Fills every unary, twice and binary table of `type` (whose values are set) and their
// MultiRes flags. Returns false when an error was reported; reading goes on to the end.
bool ReadTypeTables(const IniFile& ini, const TableLayout& layout,
                    const TDefault_unary_Logops& unaryOps, const TDefault_binary_Logops& binaryOps,
                    const TableTexts& texts, TXW_Type& type, Ui& ui);

}  // namespace vx::logic
