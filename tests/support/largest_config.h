#pragma once

#include <string>

namespace vx::test {

// Writes Main.ini, Logic.ini, RangeLogic.ini and RangeArrays.ini of the largest configuration
// the logic model holds into `iniDir` (system path without trailing backslash): 9 unary and
// 9 binary operators of valence 5 for WW, EW, DW and a new type "N", four range logics
// RL1..RL4 of type R1..R4 likewise, and 30 range arrays of 10 requirements and 100
// definitions. Value codes of type t are 10t+1 .. 10t+5 (WW 11..15, EW 21..25, ...; range
// logic r 50+10r+1 ..); unary operator j maps position p to position (p + j) mod 5 + 1,
// binary operator j gives position (p + q + j) mod 5 + 1, except that the entries of
// operator 9 are lists of the four other codes.
void WriteLargestLogicConfig(const std::string& iniDir);

}  // namespace vx::test
