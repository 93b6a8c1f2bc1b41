#include <gtest/gtest.h>

#include "platform/json_text.h"

namespace vx {
namespace {

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
