#include "cli/JsonWriter.h"

#include <charconv>
#include <cmath>

namespace cli {

namespace {

void appendEscaped(std::string& out, std::string_view text)
{
    constexpr char kHex[] = "0123456789abcdef";
    out.push_back('"');
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (const auto byte = static_cast<unsigned char>(c); byte < 0x20) {
                out += "\\u00";
                out.push_back(kHex[byte >> 4]);
                out.push_back(kHex[byte & 0xf]);
            } else {
                out.push_back(c);
            }
        }
    }
    out.push_back('"');
}

} // namespace

std::string shortestNumber(double value)
{
    char buf[32];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, value).ptr);
}

void JsonWriter::beforeValue()
{
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (levels_.empty())
        return;
    Level& level = levels_.back();
    if (!level.empty)
        out_.push_back(',');
    if (level.layout == Layout::LinePerItem)
        out_.push_back('\n');
    level.empty = false;
}

JsonWriter& JsonWriter::beginObject()
{
    beforeValue();
    out_.push_back('{');
    levels_.push_back({Layout::Inline});
    return *this;
}

JsonWriter& JsonWriter::endObject()
{
    levels_.pop_back();
    out_.push_back('}');
    return *this;
}

JsonWriter& JsonWriter::beginArray(Layout layout)
{
    beforeValue();
    out_.push_back('[');
    levels_.push_back({layout});
    return *this;
}

JsonWriter& JsonWriter::endArray()
{
    if (levels_.back().layout == Layout::LinePerItem)
        out_.push_back('\n');
    levels_.pop_back();
    out_.push_back(']');
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name)
{
    beforeValue();
    appendEscaped(out_, name);
    out_.push_back(':');
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::string(std::string_view text)
{
    beforeValue();
    appendEscaped(out_, text);
    return *this;
}

JsonWriter& JsonWriter::integer(std::uint64_t n)
{
    beforeValue();
    char buf[24];
    out_.append(buf, std::to_chars(buf, buf + sizeof buf, n).ptr);
    return *this;
}

JsonWriter& JsonWriter::real(double value)
{
    beforeValue();
    // JSON has no infinity and no NaN.
    out_ += std::isfinite(value) ? shortestNumber(value) : "null";
    return *this;
}

JsonWriter& JsonWriter::null()
{
    beforeValue();
    out_ += "null";
    return *this;
}

} // namespace cli
