#include <gtest/gtest.h>

#include "ts2br/ts_text.h"

namespace vx::ts {
namespace {

TLogopTable Signs(std::initializer_list<const char*> signs) {
    TLogopTable table;
    int j = 0;
    for (const char* sign : signs) {
        table[++j] = {"OP", sign, "VXR25"};
    }
    return table;
}

const TLogopTable kDemoSigns = Signs({"u", "o", "=>", "<=>"});

TEST(PrepareLine, CommentsBlanksAndOptionGroup) {
    EXPECT_EQ(StripLineComment("abc//x"), "abc");
    EXPECT_EQ(StripLineComment("abc//"), "abc");
    EXPECT_EQ(StripLineComment("S1E1:TS1uTS2"), "S1E1:TS1uTS2");
    // The cut stops at the first character after any "/": an earlier single "/" cuts there.
    EXPECT_EQ(StripLineComment("a/b//c"), "");

    const std::string raw = "S12E3 (DefWW;;) : ~TS1 u (TS2[20] o TS3) // note";
    const std::string prepared = StripBlanks(StripLineComment(raw));
    EXPECT_EQ(prepared, "S12E3(DefWW;;):~TS1u(TS2[20]oTS3)");
    EXPECT_EQ(GetLineOption(prepared, "Logic"), "DefWW");
    EXPECT_EQ(RemoveOptionGroup(prepared), "S12E3:~TS1u(TS2[20]oTS3)");

    EXPECT_EQ(GetLineOption("S1E1(RL2;fast;TS4):TS1", "Mode"), "fast");
    EXPECT_EQ(GetLineOption("S1E1(RL2;fast;TS4):TS1", "ExceptTS"), "TS4");
    EXPECT_EQ(GetLineOption("S1E1(RL2;fast;TS4):TS1", "Other"), "Error");
    EXPECT_EQ(GetLineOption("S1E1:TS1uTS2", "Logic"), "");
    EXPECT_EQ(RemoveOptionGroup("S1E1(DefWW;;)"), "S1E1");
}

TEST(PrepareLine, SplitAndCut) {
    EXPECT_EQ(SplitSETS("S12E3:TS1uTS2", "SE"), "S12E3");
    EXPECT_EQ(SplitSETS("S12E3:TS1- on SE line:4", "TS"), "TS1- on SE line4");
    EXPECT_EQ(SplitSETS("S12E3TS1", "SE"), std::nullopt);
    EXPECT_EQ(SplitSETS("S12E3:TS1", "XX"), std::nullopt);
    EXPECT_EQ(CutAtDash("S1E1:TS1uTS2- on SE line:1"), "S1E1:TS1uTS2");
    EXPECT_EQ(CutAtDash("S1E1:TS1"), "S1E1:TS1");
}

TEST(PrepareLine, BracketsAndDistinctTS) {
    EXPECT_EQ(BracketsBalanced("(TS1uTS2)"), 1);
    EXPECT_EQ(BracketsBalanced(")TS1("), 1);
    EXPECT_EQ(BracketsBalanced("(TS1uTS2"), -1);
    EXPECT_EQ(BracketsBalanced("T"), -1);
    EXPECT_EQ(FindBracketEnd(1, "(a(b)c)d"), 7);
    EXPECT_EQ(FindBracketEnd(3, "(a(b)c)d"), 5);
    EXPECT_EQ(FindBracketEnd(1, "(ab"), -1);
    EXPECT_EQ(FindBracketEnd(9, "(a(b)c)d"), -1);

    EXPECT_EQ(CountDistinctTS("TS1uTS2o~TS1"), "2");
    EXPECT_EQ(CountDistinctTS(""), "");
    EXPECT_EQ(CountDistinctTS("TS123"), "-1");
    EXPECT_EQ(CountDistinctTS("TS0uTS1"), "-1");
    EXPECT_EQ(CountDistinctTS("TS1uTSx"), "Error: cannot convert TSNumber to integer: ");
    std::string twelve = "TS1";
    for (int n = 2; n <= 12; ++n) {
        twelve += "uTS" + std::to_string(n);
    }
    EXPECT_EQ(CountDistinctTS(twelve), "12");
    EXPECT_EQ(CountDistinctTS(twelve + "uTS13"),
              "Error: The number of distinct TS exceeds practically allowed limit: 12");
}

TEST(SyntaxCheck, BinarySignsAreFoundWholeAndInTableOrder) {
    EXPECT_EQ(Check_binLogop_Ini("TS1=>TS2", 4, kDemoSigns), "=>");
    EXPECT_EQ(Check_binLogop_Ini("TS1<=>TS2", 4, kDemoSigns), "<=>");
    EXPECT_EQ(Check_binLogop_Ini("TS1=TS2", 4, kDemoSigns), "");
    EXPECT_EQ(Check_binLogop_Ini("TS1oTS2", 9, kDemoSigns), "");
    EXPECT_EQ(Check_binLogop_Ini("xoo", 2, Signs({"o", "oo"})), "o");
    EXPECT_EQ(Check_binLogop_Ini("xoo", 2, Signs({"", "oo", "o"})), "oo");
}

TEST(SyntaxCheck, CountsTermsAgainstSigns) {
    EXPECT_EQ(SingleTSSyntaxCheck("TS1uTS2", kDemoSigns), "OK");
    EXPECT_EQ(SingleTSSyntaxCheck("TS1", kDemoSigns), "OK");
    EXPECT_EQ(SingleTSSyntaxCheck("TS1=>TS2", kDemoSigns), "OK");
    EXPECT_EQ(SingleTSSyntaxCheck("~(TS1uTS2)o(TS3<=>TS4[20])", kDemoSigns), "OK");
    // Shallow: a second term without a sign, and a sign before the first term, are not seen.
    EXPECT_EQ(SingleTSSyntaxCheck("TS1TS2", kDemoSigns), "OK");
    EXPECT_EQ(SingleTSSyntaxCheck("uTS1", kDemoSigns), "OK");
    EXPECT_EQ(SingleTSSyntaxCheck("", kDemoSigns), "");
    EXPECT_EQ(SingleTSSyntaxCheck("uu", kDemoSigns),
              "ERROR: number of TS must be exactly one more than number of binLgogps OR nothing "
              "found although line not empty!");
}

// The other findings are in the golden folder of the syntax check.
TEST(SyntaxCheck, TermNumbersAndBrackets) {
    EXPECT_EQ(SingleTSSyntaxCheck("T", kDemoSigns),
              "ERROR: at TS Syntaxcheck: Number of open and closed brackets is not equal.");
    EXPECT_EQ(SingleTSSyntaxCheck(")TS1(", kDemoSigns), "OK");
    EXPECT_EQ(SingleTSSyntaxCheck("TS32000", kDemoSigns), "OK");
    EXPECT_EQ(SingleTSSyntaxCheck("TS99999999999", kDemoSigns),
              "ERROR: at TS Syntaxcheck: Number of a TS cannot be converted to a Num.:99999999999");
}

}  // namespace
}  // namespace vx::ts
