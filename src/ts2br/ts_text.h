#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "logic/logic_types.h"
#include "platform/one_based.h"

// The text of a TS line: preparing a raw line of the TS list, splitting it into its SE and TS
// parts, and the shallow syntax check that runs before a TS part is parsed.
namespace vx::ts {

using TLogopTable = OneBased<T_D_Logic, 9>;

// Suffix that the analysis work list puts after a prepared line, followed by its line number.
inline constexpr const char* kOnSELine = "- on SE line:";

// Drops a "//" comment (see the .cpp for the exact cut).
std::string StripLineComment(std::string_view s);
std::string StripBlanks(std::string_view s);
// The field "Logic", "Mode" or "ExceptTS" of the option group "(logic;mode;except)";
// "Error" for any other `which`.
std::string GetLineOption(std::string_view s, std::string_view which);
// The line without its option group: the text before the first ":" outside "(...)", then
// the ":" and the rest unchanged.
std::string RemoveOptionGroup(std::string_view s);
// "SE": the text before the first ":"; "TS": the text after it without further ":";
// none without a ":" or for another `which`.
std::optional<std::string> SplitSETS(std::string_view s, std::string_view which);
// The text before the first "-".
std::string CutAtDash(std::string_view s);
// 1 when `s` has more than one character and as many "(" as ")", else -1.
int BracketsBalanced(std::string_view s);
// Position (1-based) from `start` on where the counts of "(" and ")" first become equal,
// or -1.
int FindBracketEnd(int start, std::string_view s);
// Number of distinct TS numbers of `s` as text, or an error text (see the .cpp).
std::string CountDistinctTS(std::string_view s);

// The binary sign of `ops` that begins at character `pos` (1-based) of `s`: the first record
// in table order whose whole non-empty sign matches there; empty when none does.
std::string Check_binLogop_Ini(std::string_view s, int pos, const TLogopTable& ops);
// "OK", "" for an empty `s`, or an error text beginning with "ERROR".
std::string SingleTSSyntaxCheck(std::string_view s, const TLogopTable& binaryOps);

}  // namespace vx::ts
