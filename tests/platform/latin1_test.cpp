#include <gtest/gtest.h>

#include <string>

#include "platform/latin1.h"

namespace vx {
namespace {

TEST(Latin1, FoldsCaseOverTheWholeCodePage) {
    EXPECT_TRUE(SameTextLatin1("Relation\\FormaleR", "RELATION\\formaler"));
    EXPECT_TRUE(SameTextLatin1("\xC4rger", "\xE4rger"));  // Ärger / ärger
    EXPECT_FALSE(SameTextLatin1("\xD7", "\xF7"));         // × and ÷ are no pair
    EXPECT_EQ(UpperLatin1("gr\xFC\xDF \xE1"), "GR\xDC\xDF \xC1");
}

TEST(Latin1, ConvertsToUtf8AndBackWithoutLosingBytes) {
    const std::string text = "M\xFCnster \xE1";
    EXPECT_EQ(Latin1ToUtf8(text), "M\xC3\xBCnster \xC3\xA1");
    EXPECT_EQ(Utf8ToLatin1(Latin1ToUtf8(text)), text);
    // Not UTF-8 of Latin-1 characters: taken as Latin-1 as it stands.
    EXPECT_EQ(Utf8ToLatin1("\xE2\x82\xAC"), "\xE2\x82\xAC");
    EXPECT_EQ(Utf8ToLatin1("a\xFF"), "a\xFF");
}

}  // namespace
}  // namespace vx
