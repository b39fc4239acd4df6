#pragma once
// How an exact count is cut into items for its threads: by the first two
// cards still to come when three or more are, by the first one when two are,
// and as one item otherwise.

#include <utility>
#include <vector>

namespace engine::odds {

// Positions in the deck of each item's first cards (-1 for none).
inline std::vector<std::pair<int, int>> firstCardItems(int missingBoardCards, int deckSize)
{
    std::vector<std::pair<int, int>> items;
    if (missingBoardCards >= 3) {
        for (int i = 0; i < deckSize; ++i) {
            for (int j = i + 1; j < deckSize; ++j)
                items.emplace_back(i, j);
        }
    } else if (missingBoardCards == 2) {
        for (int i = 0; i < deckSize; ++i)
            items.emplace_back(i, -1);
    }
    return items;
}

} // namespace engine::odds
