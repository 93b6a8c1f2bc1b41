#pragma once

#include <string>
#include <string_view>

namespace vx {

// Text in the core is Latin-1: one byte per character. These helpers fold case over the
// whole Latin-1 range and convert to and from UTF-8 where the host wants it (file names).

char LowerLatin1(char c);
std::string LowerLatin1(std::string_view text);
std::string UpperLatin1(std::string_view text);
bool SameTextLatin1(std::string_view a, std::string_view b);

std::string Latin1ToUtf8(std::string_view latin1);
// Valid UTF-8 whose characters all lie in Latin-1 is converted; anything else is taken as
// Latin-1 bytes already, so no byte is ever lost.
std::string Utf8ToLatin1(std::string_view utf8);

}  // namespace vx
