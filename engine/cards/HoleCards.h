#pragma once
// Two hole cards, the higher card first.

#include <string>

#include "engine/cards/CardSet.h"

namespace engine::cards {

struct HoleCards {
    Card high;
    Card low;

    constexpr HoleCards() = default;
    constexpr HoleCards(Card a, Card b) : high(a < b ? b : a), low(a < b ? a : b) {}

    constexpr CardSet set() const { return CardSet{high, low}; }
    std::string text() const { return high.text() + low.text(); }
    friend constexpr bool operator==(HoleCards, HoleCards) = default;
};

} // namespace engine::cards
