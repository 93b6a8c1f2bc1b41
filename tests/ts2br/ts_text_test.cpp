#include <gtest/gtest.h>

#include <functional>

#include "support/golden.h"
#include "ts2br/ts_map_file.h"
#include "ts2br/ts_text.h"

// The text functions of TS lines, one call a line of the files of tests/data/ts2br/calls/:
// "<function>|<arguments>|<expected result>"; a list of signs is written with "," between
// them, "<none>" is no result; lines beginning with ";" are comments.
namespace vx::ts {
namespace {

std::vector<std::string> Fields(const std::string& line, char separator) {
    std::vector<std::string> fields{""};
    for (char c : line) {
        if (c == separator) {
            fields.emplace_back();
        } else {
            fields.back().push_back(c);
        }
    }
    return fields;
}

TLogopTable Signs(const std::string& list) {
    TLogopTable table;
    int j = 0;
    for (const std::string& sign : Fields(list, ',')) {
        table[++j] = {"OP", sign, "VXR25"};
    }
    return table;
}

using Args = std::vector<std::string>;
const std::map<std::string, std::function<std::string(const Args&)>> kCalls = {
    {"StripLineComment", [](const Args& a) { return StripLineComment(a.at(1)); }},
    {"StripBlanks", [](const Args& a) { return StripBlanks(a.at(1)); }},
    {"GetLineOption", [](const Args& a) { return GetLineOption(a.at(1), a.at(2)); }},
    {"RemoveOptionGroup", [](const Args& a) { return RemoveOptionGroup(a.at(1)); }},
    {"SplitSETS", [](const Args& a) { return SplitSETS(a.at(1), a.at(2)).value_or("<none>"); }},
    {"CutAtDash", [](const Args& a) { return CutAtDash(a.at(1)); }},
    {"BracketsBalanced", [](const Args& a) { return std::to_string(BracketsBalanced(a.at(1))); }},
    {"FindBracketEnd",
     [](const Args& a) { return std::to_string(FindBracketEnd(std::stoi(a.at(1)), a.at(2))); }},
    {"CountDistinctTS", [](const Args& a) { return CountDistinctTS(a.at(1)); }},
    {"Check_binLogop_Ini",
     [](const Args& a) { return Check_binLogop_Ini(a.at(1), std::stoi(a.at(2)), Signs(a.at(3))); }},
    {"InsertTSValue",
     [](const Args& a) { return InsertTSValue(a.at(1), std::stoi(a.at(2)), a.at(3)); }},
    {"LogicOfXWType", [](const Args& a) { return LogicOfXWType(a.at(1)); }},
    {"CheckExceptionXW", [](const Args& a) { return CheckExceptionXW(a.at(1), a.at(2)); }},
    {"SingleTSSyntaxCheck",
     [](const Args& a) { return SingleTSSyntaxCheck(a.at(1), Signs("u,o,=>,<=>")); }}};

TEST(TSText, EveryCallGivesItsExpectedResult) {
    int calls = 0;
    for (const auto& file :
         std::filesystem::directory_iterator(test::TestDataDir() / "ts2br" / "calls")) {
        for (const std::string& line : test::LinesOf(file.path())) {
            if (line.empty() || line[0] == ';') {
                continue;
            }
            const Args fields = Fields(line, '|');
            const auto call = kCalls.find(fields[0]);
            ASSERT_NE(call, kCalls.end()) << line;
            EXPECT_EQ(call->second(fields), fields.back()) << file.path() << ": " << line;
            ++calls;
        }
    }
    EXPECT_GE(calls, 85);  // the tables were found and read
}

}  // namespace
}  // namespace vx::ts
