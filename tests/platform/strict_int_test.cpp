#include <gtest/gtest.h>

#include "platform/errors.h"
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

}  // namespace
}  // namespace vx
