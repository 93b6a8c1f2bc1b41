#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/latin1.h"
#include "platform/strict_int.h"

namespace vx {
namespace {

TEST(StrictInt, AcceptsSignedDecimalsAcrossThe32BitRange) {
    EXPECT_EQ(TryStrToInt("0"), 0);
    EXPECT_EQ(TryStrToInt("-5"), -5);
    EXPECT_EQ(TryStrToInt("+7"), 7);
    EXPECT_EQ(TryStrToInt("007"), 7);
    EXPECT_EQ(TryStrToInt("2147483647"), 2147483647);
    EXPECT_EQ(TryStrToInt("-2147483648"), -2147483647 - 1);
}

TEST(StrictInt, RefusesEverythingElse) {
    for (const char* text : {"", "+", "-", " 1", "1 ", "1.0", "0x10", "$10", "1e3", "12a",
                             "2147483648", "-2147483649", "99999999999999999999", "\xB9"}) {
        EXPECT_FALSE(TryStrToInt(text).has_value()) << '"' << text << '"';
    }
    EXPECT_THROW(StrToInt("userRangeEnd_Error"), ConvertError);
}

TEST(Latin1, FoldsCaseOverTheWholeCodePage) {
    EXPECT_TRUE(SameTextLatin1("Relation\\FormaleR", "RELATION\\formaler"));
    EXPECT_TRUE(SameTextLatin1("\xC4rger", "\xE4rger"));  // Ärger / ärger
    EXPECT_FALSE(SameTextLatin1("\xD7", "\xF7"));         // × and ÷ are no pair
    EXPECT_EQ(UpperLatin1("pr\xFC"
                          "fen"),
              "PR\xDC"
              "FEN");
}

TEST(Latin1, ConvertsToUtf8AndBackWithoutLosingBytes) {
    const std::string text =
        "Widerspr\xFC"
        "che \xE1";
    EXPECT_EQ(Latin1ToUtf8(text),
              "Widerspr\xC3\xBC"
              "che \xC3\xA1");
    EXPECT_EQ(Utf8ToLatin1(Latin1ToUtf8(text)), text);
    // Not UTF-8 of Latin-1 characters: taken as Latin-1 as it stands.
    EXPECT_EQ(Utf8ToLatin1("\xE2\x82\xAC"), "\xE2\x82\xAC");
    EXPECT_EQ(Utf8ToLatin1("a\xFF"), "a\xFF");
}

}  // namespace
}  // namespace vx
