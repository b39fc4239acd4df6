#pragma once
// A range as the set of its combinations' texts and weights, so that two
// ranges compare whatever order their combinations were read in.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "engine/cards/Range.h"

namespace testsupport {

using RangeContents = std::set<std::pair<std::string, double>>;

inline RangeContents contents(const engine::cards::Range& range)
{
    RangeContents c;
    for (std::size_t i = 0; i < range.combos().size(); ++i)
        c.emplace(range.combos()[i].text(), range.weights()[i]);
    return c;
}

// The contents of a range text, which must read.
inline RangeContents contents(std::string_view text)
{
    const auto parsed = engine::cards::parseRange(text);
    EXPECT_TRUE(parsed.ok()) << text << ": " << parsed.error;
    return contents(parsed.value);
}

} // namespace testsupport
