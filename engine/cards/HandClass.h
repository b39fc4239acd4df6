#pragma once
// The hand class of two cards: one of the 169 hand texts ("AKs", "AK", "QQ"),
// as the grid index of engine::handIndex.

#include <algorithm>
#include <vector>

#include "engine/Hand.h"
#include "engine/cards/HoleCards.h"

namespace engine::cards {

constexpr int handClassOf(HoleCards h)
{
    // The grid counts ranks from the ace down; cards count them from the two up.
    const int hi = kAce - h.high.rank();
    const int lo = kAce - h.low.rank();
    if (hi == lo)
        return hi * 13 + hi;
    return h.high.suit() == h.low.suit() ? hi * 13 + lo : lo * 13 + hi;
}

static_assert(handClassOf({Card(kAce, 0), Card(kKing, 0)}) == handIndex("AKs"));
static_assert(handClassOf({Card(kKing, 1), Card(kAce, 0)}) == handIndex("AK"));
static_assert(handClassOf({Card(kQueen, 1), Card(kQueen, 2)}) == handIndex("QQ"));
static_assert(handClassOf({Card(kTwo, 3), Card(kTwo + 1, 2)}) == handIndex("32"));

// The combinations of a hand class (a grid index of engine::handIndex): 6 of
// a pair, 4 suited, 12 offsuit.
inline std::vector<HoleCards> combosOfClass(int handClass)
{
    const int row = handClass / 13;
    const int column = handClass % 13;
    const int high = kAce - std::min(row, column);
    const int low = kAce - std::max(row, column);
    std::vector<HoleCards> combos;
    combos.reserve(row == column ? 6 : row < column ? 4 : 12);
    for (int s1 = 0; s1 < kSuitCount; ++s1) {
        for (int s2 = 0; s2 < kSuitCount; ++s2) {
            const bool keep = row == column ? s1 < s2 : (row < column) == (s1 == s2);
            if (keep)
                combos.emplace_back(Card(high, s1), Card(low, s2));
        }
    }
    return combos;
}

} // namespace engine::cards
