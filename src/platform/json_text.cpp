#include "platform/json_text.h"

#include <algorithm>
#include <cstdio>

#include "platform/latin1.h"

namespace vx {
namespace {

void Indent(std::string& out, int depth) {
    out += '\n';
    out.append(static_cast<std::size_t>(depth) * 2, ' ');
}

}  // namespace

std::string JsonQuote(std::string_view latin1) {
    std::string out = "\"";
    for (const char c : Latin1ToUtf8(latin1)) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

JsonValue JsonValue::Strings(const std::vector<std::string>& latin1Lines) {
    JsonValue array = Array();
    for (const std::string& line : latin1Lines) {
        array.Add(line);
    }
    return array;
}

JsonValue& JsonValue::Add(JsonValue value) {
    items_.push_back(std::move(value));
    return items_.back();
}

JsonValue& JsonValue::Set(const std::string& key, JsonValue value) {
    const auto at = std::find(keys_.begin(), keys_.end(), key);
    if (at != keys_.end()) {
        JsonValue& member = items_[static_cast<std::size_t>(at - keys_.begin())];
        member = std::move(value);
        return member;
    }
    keys_.push_back(key);
    items_.push_back(std::move(value));
    return items_.back();
}

bool JsonValue::IsFlat() const {
    return std::none_of(items_.begin(), items_.end(), [](const JsonValue& item) {
        return item.kind_ == Kind::String || item.kind_ == Kind::Array ||
               item.kind_ == Kind::Object;
    });
}

std::string JsonValue::Dump() const {
    std::string out;
    DumpTo(out, 0);
    return out;
}

void JsonValue::DumpTo(std::string& out, int depth) const {
    switch (kind_) {
        case Kind::Null:
            out += "null";
            return;
        case Kind::Bool:
            out += number_ != 0 ? "true" : "false";
            return;
        case Kind::Number:
            out += std::to_string(number_);
            return;
        case Kind::String:
            out += JsonQuote(text_);
            return;
        case Kind::Array:
        case Kind::Object:
            break;
    }
    const bool object = kind_ == Kind::Object;
    const bool flat = !object && IsFlat();
    out += object ? '{' : '[';
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (i > 0) {
            out += flat ? ", " : ",";
        }
        if (!flat) {
            Indent(out, depth + 1);
        }
        if (object) {
            out += JsonQuote(keys_[i]) + ": ";
        }
        items_[i].DumpTo(out, depth + 1);
    }
    if (!flat && !items_.empty()) {
        Indent(out, depth);
    }
    out += object ? '}' : ']';
}

}  // namespace vx
