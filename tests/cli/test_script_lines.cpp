// Script lines with a bounded length, from any input.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/ScriptLines.h"

namespace {

using cli::ScriptLines;

struct ReadLines {
    const char* name;
    std::string input;
    std::vector<std::string> lines; // before the end or the long line
    bool tooLong;
};

class LineReading : public testing::TestWithParam<ReadLines> {};

TEST_P(LineReading, LinesThenTheEndOrALongLine)
{
    std::string input = GetParam().input;
    std::FILE* in = fmemopen(input.data(), input.size(), "r");
    ASSERT_NE(in, nullptr);
    ScriptLines reader(in);
    std::vector<std::string> lines;
    std::string line;
    ScriptLines::Result r;
    while ((r = reader.next(line)) == ScriptLines::Result::Line)
        lines.push_back(line);
    std::fclose(in);
    EXPECT_EQ(lines, GetParam().lines);
    EXPECT_EQ(r, GetParam().tooLong ? ScriptLines::Result::TooLong : ScriptLines::Result::End);
}

const std::string kLongest(ScriptLines::kLongestLine, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, LineReading,
    testing::Values(ReadLines{"Empty", "", {}, false}, ReadLines{"OneLine", "dump\n", {"dump"}, false},
                    ReadLines{"LastLineWithoutLF", "a\nb", {"a", "b"}, false},
                    ReadLines{"BlankLinesAndCR", "\n\r\nx\n", {"", "\r", "x"}, false},
                    ReadLines{"NulBytesStayInTheLine", std::string("a\0b\n", 4), {std::string("a\0b", 3)}, false},
                    ReadLines{"TheLongestLine", kLongest + "\nok\n", {kLongest, "ok"}, false},
                    ReadLines{"TheLongestLastLine", kLongest, {kLongest}, false},
                    ReadLines{"OneByteMore", "a\n" + kLongest + "x\nlater\n", {"a"}, true},
                    ReadLines{"NoLineEndAtAll", std::string(5 * ScriptLines::kLongestLine, '\0'), {}, true}),
    [](const testing::TestParamInfo<ReadLines>& i) { return std::string(i.param.name); });

} // namespace
