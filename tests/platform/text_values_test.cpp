#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/json_text.h"
#include "platform/strict_int.h"

// Values written as text: whole numbers read strictly, JSON written.
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

TEST(JsonText, Latin1BecomesUtf8AndSpecialCharactersAreEscaped) {
    EXPECT_EQ(JsonQuote("d\xE1nn \"a\" \\ \r\n\t\x01 \xFF"),
              "\"d\xC3\xA1nn \\\"a\\\" \\\\ \\r\\n\\t\\u0001 \xC3\xBF\"");
}

TEST(JsonText, WritesNestedValuesInTheOrderSet) {
    JsonValue object = JsonValue::Object();
    object.Set("b", 1);
    object.Set("a", JsonValue::Strings({"x"}));
    object.Set("b", std::optional<int>{});  // keeps its place, takes the new value
    JsonValue numbers = JsonValue::Array();
    numbers.Add(1);
    numbers.Add(-2);
    object.Set("n", std::move(numbers));
    object.Set("e", JsonValue::Array());
    object.Set("t", true);
    object.Set("o", JsonValue::Object());
    EXPECT_EQ(object.Dump(),
              "{\n  \"b\": null,\n  \"a\": [\n    \"x\"\n  ],\n  \"n\": [1, -2],\n  \"e\": [],\n"
              "  \"t\": true,\n  \"o\": {}\n}");
}

}  // namespace
}  // namespace vx
