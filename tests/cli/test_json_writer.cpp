// The one JSON writer of the commands: commas, escapes, numbers and layout.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "cli/JsonWriter.h"

namespace {

using cli::JsonWriter;

struct Written {
    const char* name;
    std::function<void(JsonWriter&)> write;
    std::string expected;
};

class JsonWriting : public testing::TestWithParam<Written> {};

TEST_P(JsonWriting, WritesExactly)
{
    JsonWriter json;
    GetParam().write(json);
    EXPECT_EQ(json.text(), GetParam().expected);
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Cases, JsonWriting,
    testing::Values(
        Written{"EmptyObject", [](JsonWriter& j) { j.beginObject().endObject(); }, "{}"},
        Written{"EmptyArray", [](JsonWriter& j) { j.beginArray().endArray(); }, "[]"},
        Written{"Members", [](JsonWriter& j) { j.beginObject().member("a", "x").memberInteger("b", 2).endObject(); },
                R"({"a":"x","b":2})"},
        Written{"NestedWithCommas",
                [](JsonWriter& j) {
                    j.beginObject().key("l").beginArray().string("a").beginObject().endObject().null().endArray();
                    j.key("o").beginObject().member("k", "v").endObject().endObject();
                },
                R"({"l":["a",{},null],"o":{"k":"v"}})"},
        Written{"Escapes", [](JsonWriter& j) { j.string("q\" b\\ n\n r\r t\t \x01\x1f"); },
                R"("q\" b\\ n\n r\r t\t \u0001\u001f")"},
        Written{"Utf8PassesThrough", [](JsonWriter& j) { j.string("A\xE2\x99\xA0 \xE2\x82\xAC"); },
                "\"A\xE2\x99\xA0 \xE2\x82\xAC\""},
        Written{"EscapedKey", [](JsonWriter& j) { j.beginObject().member("a\"b", "").endObject(); },
                R"({"a\"b":""})"},
        Written{"ShortestReals",
                [](JsonWriter& j) { j.beginArray().real(0.5).real(12.0).real(0.1).real(-3.25).real(1e21).endArray(); },
                "[0.5,12,0.1,-3.25,1e+21]"},
        Written{"NoInfinityOrNaN", [](JsonWriter& j) { j.beginArray().real(kNaN).real(kInfinity).endArray(); },
                "[null,null]"},
        Written{"LargestInteger", [](JsonWriter& j) { j.integer(18446744073709551615u); }, "18446744073709551615"},
        Written{"LinePerItem",
                [](JsonWriter& j) {
                    j.beginObject().key("cells").beginArray(JsonWriter::Layout::LinePerItem);
                    j.beginObject().memberInteger("n", 1).endObject().beginObject().memberInteger("n", 2).endObject();
                    j.endArray().endObject();
                },
                "{\"cells\":[\n{\"n\":1},\n{\"n\":2}\n]}"},
        Written{"TopLevelValuesFollowEachOther",
                [](JsonWriter& j) { j.beginObject().endObject().beginObject().endObject(); }, "{}{}"}),
    [](const testing::TestParamInfo<Written>& i) { return std::string(i.param.name); });

} // namespace
