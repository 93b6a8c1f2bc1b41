#include "platform/latin1.h"

namespace vx {

char LowerLatin1(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'A' && u <= 'Z') {
        return static_cast<char>(u + 32);
    }
    // Latin-1 capitals 0xC0..0xDE, except the multiplication sign 0xD7.
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) {
        return static_cast<char>(u + 32);
    }
    return c;
}

static char UpperLatin1Char(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') {
        return static_cast<char>(u - 32);
    }
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) {
        return static_cast<char>(u - 32);
    }
    return c;
}

std::string LowerLatin1(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = LowerLatin1(c);
    }
    return out;
}

std::string UpperLatin1(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = UpperLatin1Char(c);
    }
    return out;
}

bool SameTextLatin1(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerLatin1(a[i]) != LowerLatin1(b[i])) {
            return false;
        }
    }
    return true;
}

std::string Latin1ToUtf8(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (char c : latin1) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return out;
}

std::string Utf8ToLatin1(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto u = static_cast<unsigned char>(utf8[i]);
        if (u < 0x80) {
            out += utf8[i];
            continue;
        }
        const bool twoByteLatin1 = (u == 0xC2 || u == 0xC3) && i + 1 < utf8.size() &&
                                   (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80;
        if (!twoByteLatin1) {
            return std::string(utf8);
        }
        out +=
            static_cast<char>(((u & 0x03) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F));
        ++i;
    }
    return out;
}

}  // namespace vx
