#include "engine/board/HandShape.h"

#include <bit>
#include <string>

#include "engine/board/RankWords.h"
#include "engine/cards/RankMask.h"

namespace engine::board {

HandShape::HandShape(cards::CardSet cards)
{
    for (cards::Card c : cards) {
        ++count[static_cast<std::size_t>(c.rank())];
        ranks |= 1u << c.rank();
        suitRanks[static_cast<std::size_t>(c.suit())] |= 1u << c.rank();
    }
}

int HandShape::highestWith(int n, int below) const
{
    for (int r = below - 1; r >= 0; --r) {
        if (count[static_cast<std::size_t>(r)] >= n)
            return r;
    }
    return -1;
}

int HandShape::suitWith(int n) const
{
    for (int s = 0; s < cards::kSuitCount; ++s) {
        if (std::popcount(suitRanks[static_cast<std::size_t>(s)]) >= n)
            return s;
    }
    return -1;
}

std::string madeHandWords(const HandShape& shape)
{
    const int flushSuit = shape.suitWith(5);
    if (flushSuit >= 0) {
        const int high = cards::straightHigh(shape.suitRanks[static_cast<std::size_t>(flushSuit)]);
        if (high == cards::kAce)
            return "a royal flush";
        if (high >= 0)
            return "a straight flush, " + rankName(high) + " high";
    }
    if (const int quads = shape.highestWith(4); quads >= 0)
        return "four of a kind, " + rankPlural(quads);
    const int trips = shape.highestWith(3);
    if (trips >= 0) {
        int pair = -1;
        for (int r = cards::kAce; r >= 0 && pair < 0; --r) {
            if (r != trips && shape.count[static_cast<std::size_t>(r)] >= 2)
                pair = r;
        }
        if (pair >= 0)
            return "a full house, " + rankPlural(trips) + " full of " + rankPlural(pair);
    }
    if (flushSuit >= 0)
        return "a flush, " + rankName(cards::highestRank(shape.suitRanks[static_cast<std::size_t>(flushSuit)])) + " high";
    if (const int high = cards::straightHigh(shape.ranks); high >= 0)
        return "a straight, " + rankName(high) + " high";
    if (trips >= 0)
        return "three of a kind, " + rankPlural(trips);
    const int pair = shape.highestWith(2);
    const int secondPair = pair >= 0 ? shape.highestWith(2, pair) : -1;
    if (secondPair >= 0)
        return "two pair, " + rankPlural(pair) + " and " + rankPlural(secondPair);
    if (pair >= 0)
        return "a pair of " + rankPlural(pair);
    return "high card, " + rankName(cards::highestRank(shape.ranks));
}

} // namespace engine::board
