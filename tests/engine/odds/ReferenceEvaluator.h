#pragma once
// A plain, slow poker hand evaluator for checking the fast one: it sorts the
// five cards, groups equal ranks and compares the groups, and takes the best
// five of six or seven cards by trying every choice.

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <utility>

#include "engine/cards/Card.h"

namespace reference {

using engine::cards::Card;

// Category (0 high card .. 8 straight flush), then ranks from most to least
// important; lexicographic order is hand order.
using Score = std::array<int, 6>;

inline Score scoreFive(std::span<const Card, 5> cards)
{
    // (count, rank) groups, largest groups first, then higher ranks.
    std::array<std::pair<int, int>, 5> slots{};
    std::size_t used = 0;
    for (const Card& c : cards) {
        auto it = std::find_if(slots.begin(), slots.begin() + static_cast<std::ptrdiff_t>(used), [&](const auto& g) { return g.second == c.rank(); });
        if (it == slots.begin() + static_cast<std::ptrdiff_t>(used))
            slots[used++] = {1, c.rank()};
        else
            ++it->first;
    }
    const std::span<std::pair<int, int>> groups(slots.data(), used);
    std::sort(groups.rbegin(), groups.rend());
    const bool flush = std::all_of(cards.begin(), cards.end(), [&](const Card& c) { return c.suit() == cards[0].suit(); });
    int straightHigh = -1;
    if (groups.size() == 5) {
        if (groups[0].second - groups[4].second == 4)
            straightHigh = groups[0].second;
        else if (groups[0].second == 12 && groups[1].second == 3)
            straightHigh = 3; // ace to five
    }
    Score s{};
    if (straightHigh >= 0) {
        s[0] = flush ? 8 : 4;
        s[1] = straightHigh;
        return s;
    }
    if (flush)
        s[0] = 5;
    else if (groups[0].first == 4)
        s[0] = 7;
    else if (groups[0].first == 3 && groups[1].first == 2)
        s[0] = 6;
    else if (groups[0].first == 3)
        s[0] = 3;
    else if (groups[0].first == 2 && groups[1].first == 2)
        s[0] = 2;
    else if (groups[0].first == 2)
        s[0] = 1;
    for (std::size_t i = 0; i < groups.size(); ++i)
        s[i + 1] = groups[i].second;
    return s;
}

// The best five of five to seven cards.
inline Score score(std::span<const Card> cards)
{
    const std::size_t n = cards.size();
    Score best{-1};
    std::array<Card, 5> five{};
    // Every choice of the cards to leave out (none, one or two).
    for (std::size_t skipA = 0; skipA <= n; ++skipA) {
        for (std::size_t skipB = skipA + 1; skipB <= n + 1; ++skipB) {
            const std::size_t left = n - (skipA < n ? 1 : 0) - (skipB < n ? 1 : 0);
            if (left != 5)
                continue;
            std::size_t k = 0;
            for (std::size_t i = 0; i < n; ++i) {
                if (i != skipA && i != skipB)
                    five[k++] = cards[i];
            }
            best = std::max(best, scoreFive(std::span<const Card, 5>(five)));
        }
    }
    return best;
}

} // namespace reference
