// Words compared without regard to case: only the letters A to Z fold, and
// the bytes beside them in the ASCII table or past it stay themselves.

#include <gtest/gtest.h>

#include <string_view>

#include "platform/text/AsciiCase.h"

namespace {

struct WordPair {
    std::string_view a;
    std::string_view b;
    bool same;
};

TEST(AsciiCase, FoldsOnlyTheLettersAToZ)
{
    const WordPair cases[] = {
        {"chart(", "CHART(", true},
        {"SystemAsterisk", "systemasterisk", true},
        {"Name", "nAME", true},
        {"", "", true},
        {"AZ", "az", true},
        {"ab", "abc", false},
        {"abc", "ab", false},
        {"@", "`", false},       // 0x40 and 0x60: one bit apart, not letters
        {"[", "{", false},       // 0x5B and 0x7B likewise
        {"\xC9", "\xE9", false}, // a Latin-1 pair stays apart: bytes past ASCII are themselves
        {"\xC3\x89", "\xC3\xA9", false},
        {std::string_view("a\0b", 3), std::string_view("A\0B", 3), true},
        {std::string_view("a\0b", 3), "a", false},
    };
    for (const WordPair& c : cases) {
        EXPECT_EQ(platform::text::equalsIgnoringCase(c.a, c.b), c.same) << '"' << c.a << "\" \"" << c.b << '"';
        EXPECT_EQ(platform::text::equalsIgnoringCase(c.b, c.a), c.same) << '"' << c.b << "\" \"" << c.a << '"';
    }
}

} // namespace
