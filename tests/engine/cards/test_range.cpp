#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/cards/CardParser.h"
#include "engine/cards/Range.h"

using namespace engine::cards;

namespace {

struct RangeCase {
    const char* text;
    std::size_t combos;
    const char* holds;     // a hand the range has, or ""
    const char* holdsNot;  // a hand it lacks, or ""
};

bool has(const Range& range, const char* hand)
{
    const auto parsed = parseHoleCards(hand);
    EXPECT_TRUE(parsed.ok()) << parsed.error;
    const HoleCards h = parsed.value;
    return std::find(range.combos().begin(), range.combos().end(), h) != range.combos().end();
}

} // namespace

class RangeText : public testing::TestWithParam<RangeCase> {};

TEST_P(RangeText, GivesTheCombinations)
{
    const RangeCase& c = GetParam();
    const auto range = parseRange(c.text);
    ASSERT_TRUE(range.ok()) << range.error;
    EXPECT_EQ(range.value.combos().size(), c.combos) << c.text;
    if (*c.holds != '\0') {
        EXPECT_TRUE(has(range.value, c.holds)) << c.text << " should hold " << c.holds;
    }
    if (*c.holdsNot != '\0') {
        EXPECT_FALSE(has(range.value, c.holdsNot)) << c.text << " should not hold " << c.holdsNot;
    }
}

INSTANTIATE_TEST_SUITE_P(Notation, RangeText, testing::Values(
    RangeCase{"AA", 6, "AhAd", "KhKd"},
    RangeCase{"AKs", 4, "AhKh", "AhKd"},
    RangeCase{"AKo", 12, "AhKd", "AhKh"},
    RangeCase{"AK", 16, "AhKh", "AhQh"},
    RangeCase{"ak", 16, "AcKd", ""},
    RangeCase{"QQ+", 18, "KsKc", "JsJc"},
    RangeCase{"22+", 78, "2s2c", "AhKh"},
    RangeCase{"AQo+", 24, "AsQd", "AsJd"},
    RangeCase{"K9s+", 16, "KhTh", "Kh8h"},
    RangeCase{"T9s+", 20, "QhJh", "Th8h"},
    RangeCase{"AKs+", 4, "AdKd", ""},
    RangeCase{"A5s-A2s", 16, "Ah3h", "Ah6h"},
    RangeCase{"A2s-A5s", 16, "Ac5c", "Ac6c"},
    RangeCase{"JJ-99", 18, "TsTd", "8s8d"},
    RangeCase{"T9s-65s", 20, "7h6h", "5h4h"},
    RangeCase{"KhKs", 1, "KsKh", "KdKc"},
    RangeCase{"10h10s", 1, "ThTs", ""},
    RangeCase{"random", 1326, "7h2c", ""},
    RangeCase{"Any", 1326, "3s2s", ""},
    RangeCase{"QQ+, AKs, AQo+", 46, "AcQd", "AcQc"},
    RangeCase{"QQ+ AKs,AQo+", 46, "AhKh", ""},
    RangeCase{"AA, AA, AhAs", 6, "AhAs", ""}));

class RefusedRange : public testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(RefusedRange, NamesTheItem)
{
    const auto range = parseRange(GetParam().first);
    EXPECT_FALSE(range.ok());
    EXPECT_EQ(range.error, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Inputs, RefusedRange, testing::Values(
    std::pair{"AKx", "\"AKx\" is not a hand range"},
    std::pair{"AAs", "\"AAs\" is not a hand range"},
    std::pair{"QQ, AK, Z9", "\"Z9\" is not a hand range"},
    std::pair{"QQ-AKs", "\"QQ-AKs\" is not a hand range"},
    std::pair{"A5s-K2s", "\"A5s-K2s\" is not a hand range"},
    std::pair{"A5s-A2o", "\"A5s-A2o\" is not a hand range"},
    std::pair{"AhAh", "\"AhAh\" is not a hand range"},
    std::pair{"AhKhQh", "\"AhKhQh\" is not a hand range"},
    std::pair{"", "the range is empty"},
    std::pair{" , ", "the range is empty"}));
