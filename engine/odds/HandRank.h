#pragma once
// The value of a poker hand: its category in the top four bits and its order
// within the category below, so that a higher number is a better hand and
// equal numbers tie.

#include <cstdint>
#include <string_view>

namespace engine::odds {

enum class HandCategory : std::uint8_t {
    HighCard,
    Pair,
    TwoPair,
    ThreeOfAKind,
    Straight,
    Flush,
    FullHouse,
    FourOfAKind,
    StraightFlush,
};

inline constexpr int kCategoryCount = 9;
inline constexpr int kCategoryShift = 12;

using HandRank = std::uint16_t;

constexpr HandCategory categoryOf(HandRank rank)
{
    return static_cast<HandCategory>(rank >> kCategoryShift);
}

// "high card", "pair", "two pair", "three of a kind", "straight", "flush",
// "full house", "four of a kind", "straight flush".
std::string_view categoryName(HandCategory category);

} // namespace engine::odds
