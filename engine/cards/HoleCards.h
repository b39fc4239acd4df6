#pragma once
// Two hole cards, the higher card first. Written as CardSet writes cards:
// a pair in the suit order spades, hearts, diamonds, clubs ("QsQd").

#include <string>

#include "engine/cards/CardSet.h"

namespace engine::cards {

struct HoleCards {
    Card high;
    Card low;

    constexpr HoleCards() = default;
    constexpr HoleCards(Card a, Card b) : high(a < b ? b : a), low(a < b ? a : b) {}

    constexpr CardSet set() const { return CardSet{high, low}; }
    std::string text() const
    {
        // Of two cards of one rank, `high` has the later suit.
        return high.rank() == low.rank() ? low.text() + high.text() : high.text() + low.text();
    }
    friend constexpr bool operator==(HoleCards, HoleCards) = default;
};

} // namespace engine::cards
