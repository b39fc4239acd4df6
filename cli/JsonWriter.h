#pragma once
// The one writer of the command's JSON: objects, arrays, strings and numbers
// appended to a text, with the commas between them. Strings are written as
// given (UTF-8 passes through); quotes, backslashes and control characters are
// escaped. Numbers are the shortest text that reads back as the same value.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

class JsonWriter {
public:
    // How an array lays out its items: all on the line, or each on a line of
    // its own with the closing bracket on the next ("[\n{..},\n{..}\n]").
    enum class Layout { Inline, LinePerItem };

    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray(Layout layout = Layout::Inline);
    JsonWriter& endArray();
    // The name of the object member whose value comes next.
    JsonWriter& key(std::string_view name);

    JsonWriter& string(std::string_view text);
    JsonWriter& integer(std::uint64_t n);
    JsonWriter& real(double value);
    JsonWriter& null();

    // Shorthands for a member: key(name) then the value.
    JsonWriter& member(std::string_view name, std::string_view text) { return key(name).string(text); }
    JsonWriter& member(std::string_view name, const char* text) { return key(name).string(text); }
    JsonWriter& memberInteger(std::string_view name, std::uint64_t n) { return key(name).integer(n); }
    JsonWriter& memberReal(std::string_view name, double value) { return key(name).real(value); }

    // The text so far. Values written at the top level follow each other
    // with nothing between them; the caller ends a line where it wants one.
    std::string& text() { return out_; }

private:
    struct Level {
        Layout layout;
        bool empty = true;
    };
    void beforeValue();

    std::string out_;
    std::vector<Level> levels_;
    bool afterKey_ = false;
};

// The shortest text that reads back as the same double ("0.5", "12", "1e+21").
std::string shortestNumber(double value);

} // namespace cli
