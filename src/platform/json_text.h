#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vx {

// A JSON value built in code and written as UTF-8 text. Strings are given as the core holds
// them, in Latin-1, and become UTF-8 when written, so every byte reaches the reader as the
// character it stands for. Object members keep the order in which they were set.
class JsonValue {
public:
    enum class Kind { Null, Bool, Number, String, Array, Object };

    JsonValue() = default;
    JsonValue(std::nullptr_t) {}
    JsonValue(bool value) : kind_(Kind::Bool), number_(value ? 1 : 0) {}
    JsonValue(int value) : kind_(Kind::Number), number_(value) {}
    JsonValue(std::int64_t value) : kind_(Kind::Number), number_(value) {}
    JsonValue(std::string latin1) : kind_(Kind::String), text_(std::move(latin1)) {}
    JsonValue(const char* latin1) : kind_(Kind::String), text_(latin1) {}
    template <typename T>
    JsonValue(const std::optional<T>& value) {
        if (value) {
            *this = JsonValue(*value);
        }
    }

    static JsonValue Array() { return JsonValue(Kind::Array); }
    static JsonValue Object() { return JsonValue(Kind::Object); }
    // An array of strings.
    static JsonValue Strings(const std::vector<std::string>& latin1Lines);

    Kind kind() const { return kind_; }
    // Appends to an array.
    JsonValue& Add(JsonValue value);
    // Sets a member of an object; a key set twice keeps its first place and its last value.
    JsonValue& Set(const std::string& key, JsonValue value);

    // UTF-8 text, indented by two blanks a level; arrays of numbers stay on one line.
    std::string Dump() const;

private:
    explicit JsonValue(Kind kind) : kind_(kind) {}
    void DumpTo(std::string& out, int depth) const;
    bool IsFlat() const;

    Kind kind_ = Kind::Null;
    std::int64_t number_ = 0;
    std::string text_;
    std::vector<std::string> keys_;  // of an object, beside items_
    std::vector<JsonValue> items_;
};

// A JSON string literal, quotes included, of Latin-1 text: UTF-8, with the characters JSON
// needs escaped.
std::string JsonQuote(std::string_view latin1);

}  // namespace vx
