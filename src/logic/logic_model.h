#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "logic/logic_types.h"
#include "platform/one_based.h"

namespace vx {

// Limits of the logic model. Input beyond them is refused by the loaders, never stored.
inline constexpr int kMaxLogops = 9;            // unary, and binary, operators per logic
inline constexpr int kMaxValence = 5;           // values per value type or range logic
inline constexpr int kMaxTableRows = 25;        // rows of an operator table
inline constexpr int kMaxLogopNameLength = 24;  // characters of an operator name
inline constexpr int kMaxLogopSignLength = 8;   // characters of an operator sign
inline constexpr int kMaxRangeLogics = 4;       // RL1 to RL4
inline constexpr int kMaxRules = 10;            // rules per logic or range logic
inline constexpr int kMaxRangeArrays = 30;
inline constexpr int kMaxRequirements = 10;       // requirement types / requirements per array
inline constexpr int kMaxRangeDefinitions = 100;  // definitions per range array
inline constexpr int kMaxDVXRNums = 20;           // dynamic rule numbers of DVXR.ini
inline constexpr int kMaxLogicEntries = 12;       // used sections, logic names, update entries
inline constexpr int kXWTypes = 4;                // WW, EW, DW and the new type

// A string of at most N characters kept in a record; longer text is cut on assignment.
template <std::size_t N>
class ShortString {
public:
    ShortString() = default;
    ShortString(std::string_view text) : text_(text.substr(0, N)) {}
    ShortString(const std::string& text) : ShortString(std::string_view(text)) {}
    ShortString(const char* text) : ShortString(std::string_view(text)) {}
    const std::string& str() const { return text_; }
    bool operator==(const ShortString&) const = default;

private:
    std::string text_;
};

// Cell 0 the input code, cell 1 the result, cells 2 to 4 further results of a list.
using TUnTableRow = std::array<std::uint16_t, 5>;
// Cells 0 and 1 the left and right code, cell 2 the result, cells 3 to 5 further results.
using TBinTableRow = std::array<std::uint16_t, 6>;

// One unary operator of a value type or range logic, with its value tables.
struct TUnLogRel {
    ShortString<kMaxLogopNameLength> Name;
    ShortString<kMaxLogopSignLength> Sign;
    std::string Impl;
    // 0 before reading, 1 when an entry of Table or DblTable is a result list, else -1.
    std::int16_t MultiRes = 0;
    OneBased<TUnTableRow, kMaxTableRows> Table;     // row p: the p-th value of the type
    OneBased<TUnTableRow, kMaxTableRows> DblTable;  // the operator applied twice
};

// One binary operator; the row of left position p and right position q is (p-1)*valence+q.
struct TBinLogRel {
    ShortString<kMaxLogopNameLength> Name;
    ShortString<kMaxLogopSignLength> Sign;
    std::string Impl;
    std::int16_t MultiRes = 0;
    OneBased<TBinTableRow, kMaxTableRows> Table;
};

struct TLogRels {
    OneBased<TUnLogRel, kMaxLogops> UnLogRel;
    OneBased<TBinLogRel, kMaxLogops> BinLogRel;
};

// One value type (or one range logic) with its values and operators.
struct TXW_Type {
    std::string Name;
    std::int16_t Valence = 0;
    OneBased<std::uint16_t, kMaxValence> ValueCode;  // in the order of the logic file
    OneBased<std::string, kMaxValence> ValueItp;
    OneBased<std::string, kMaxValence> ValueImpl;
    TLogRels LogRels;

    // Position 1..Valence of a value code, or 0 when the type has no such value.
    int PositionOf(std::uint16_t code) const;
    // Operator j on the value at position p (1..Valence); cell 0 is the code, cell 1 the result.
    const TUnTableRow& UnaryRow(int j, int p) const;
    // Operator j applied twice to the value at position p.
    const TUnTableRow& TwiceRow(int j, int p) const;
    // Binary operator j on the values at positions p (left) and q (right).
    const TBinTableRow& BinaryRow(int j, int p, int q) const;
    static int BinaryRowIndex(int valence, int p, int q) { return (p - 1) * valence + q; }

private:
    void CheckPosition(int p) const;
};

// Which operators a logic uses (from Main.ini).
struct TDefault_unary_Logops {
    std::string NumberText;
    std::int32_t Number = 0;
    OneBased<std::string, kMaxLogops> IniName;  // key names of the operators in the tables
};
using TDefault_binary_Logops = TDefault_unary_Logops;

// Meta information of one of the three fixed value types (from Main.ini).
struct TInfo_XW_Logic {
    std::string DefName;  // "DefWW", "DefEW" or "DefDW" once the section was read
    std::string Removed;  // "No" keeps the type, "YES" removes it
    std::string Valence;  // as written
};
using TInfo_WW_Logic = TInfo_XW_Logic;
using TInfo_EW_Logic = TInfo_XW_Logic;
using TInfo_DW_Logic = TInfo_XW_Logic;

struct TInfo_NewXW_Logic {
    std::string Number;  // "0" or "1"
    std::string Valence;
    std::string Name;
};

struct TMisc_Logic {
    std::string IsMetalogic;
};

struct TSection {
    std::int32_t Number = 0;
    std::string Name;
};

struct TMeta_Info_Range_Logics {
    std::string NumberText;
    OneBased<std::string, kMaxRangeLogics> RLName;
    OneBased<std::string, kMaxRangeLogics> RLType;
};

struct TMeta_Info_RLogX {
    std::int32_t RL = 0;
    OneBased<std::string, kMaxRangeLogics> BindingToRL;
};

struct TMeta_Info_RLx_Logic {
    std::string Valence;
    std::string RangeDefName;
    std::string Type;
    std::string LinksToWW, LinksToEW, LinksToDW, LinksToNewXW;
    OneBased<std::string, kMaxRangeLogics> LinksToRL;
};

struct TRLx_Set_Logics {
    OneBased<T_D_Logic, kMaxLogops> Unary;
    OneBased<T_D_Logic, kMaxLogops> Binary;
};

struct TRL_Rules {
    OneBased<std::string, kMaxRules> RuleName;
    OneBased<std::string, kMaxRules> Rule;
};

struct TMeta_Info_RangeArrays {
    std::string Name, Impl, MapType, AuthorArea;  // from Main.ini
    std::string Base;                             // from RangeArrays.ini
    OneBased<std::string, kMaxRequirements> ReqType;
    OneBased<std::string, kMaxRequirements> Req;
};

struct TRangeArray {
    OneBased<std::string, kMaxRangeDefinitions> Def;
};

struct TRangeArrays {
    std::int32_t Count = 0;
    OneBased<TMeta_Info_RangeArrays, kMaxRangeArrays> Meta;
    OneBased<TRangeArray, kMaxRangeArrays> Arrays;
};

struct TDVXRNum {
    std::int32_t Num = 0;
    std::int32_t Copy = 0;
};

struct TUpdSEInfo {
    bool UpdNeeded = false;
    std::string UpdStrategy;
    std::string UpdReference;
};

// Every table of the logic configuration of a 2BR session. The settings object owns one;
// the loaders fill it, the TS evaluation and the upgrade wizard read it.
struct LogicModel {
    // Main.ini
    std::string IniFileLogic, IniFileMeta, IniFileRangeArrays, IniFileBVLKTH;
    TMisc_Logic MiscLogic;
    OneBased<TSection, kMaxLogicEntries> UsedSections;
    OneBased<std::string, kMaxLogicEntries> VxLogicNames;
    TDefault_unary_Logops MainUnaryOps;
    TDefault_binary_Logops MainBinaryOps;
    TInfo_WW_Logic InfoWW;
    TInfo_EW_Logic InfoEW;
    TInfo_DW_Logic InfoDW;
    TInfo_NewXW_Logic InfoNewXW;
    TMeta_Info_Range_Logics RangeLogicsInfo;
    OneBased<TMeta_Info_RLogX, kMaxRangeLogics> RLBindings;
    OneBased<TDefault_unary_Logops, kMaxRangeLogics> RLUnaryOps;
    OneBased<TDefault_binary_Logops, kMaxRangeLogics> RLBinaryOps;
    OneBased<TMeta_Info_RLx_Logic, kMaxRangeLogics> RLInfo;
    TRangeArrays RangeArrays;

    // Logic.ini
    OneBased<std::string, kMaxRules> DefaultRules, DefaultRuleNames;
    OneBased<T_D_Logic, kMaxLogops> UnaryOpDefs, BinaryOpDefs;
    OneBased<OneBased<std::int32_t, kMaxValence>, kXWTypes> XWValueCode;  // 1 WW .. 4 new
    OneBased<OneBased<std::string, kMaxValence>, kXWTypes> XWValueItp, XWValueImpl;
    TXW_Type WWType, EWType, DWType, NewXWType;

    // RangeLogic.ini
    OneBased<TRL_Rules, kMaxRangeLogics> RLRules;
    OneBased<TRLx_Set_Logics, kMaxRangeLogics> RLOpDefs;
    OneBased<TXW_Type, kMaxRangeLogics> RLTypes;

    // DVXR.ini and SEupdRules.ini
    std::int32_t MaxDVXRNum = 0;
    OneBased<TDVXRNum, kMaxDVXRNums> DVXRNums;
    OneBased<TUpdSEInfo, kMaxLogicEntries> UpdSEInfo;

    // The value type of number t: 1 WW, 2 EW, 3 DW, 4 the new type.
    TXW_Type& XWType(int t);
    const TXW_Type& XWType(int t) const;
};

}  // namespace vx
