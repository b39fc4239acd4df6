#pragma once
// The ranks and suits of a set of cards, counted: what reading a board needs
// beyond the evaluator's single number.

#include <array>

#include "engine/cards/CardSet.h"

namespace engine::board {

struct HandShape {
    explicit HandShape(cards::CardSet cards);

    std::array<int, cards::kRankCount> count{}; // cards of each rank
    unsigned ranks = 0;                         // 13-bit mask of ranks present
    std::array<unsigned, cards::kSuitCount> suitRanks{};

    // The highest rank held at least n times, below `below`; -1 if none.
    int highestWith(int n, int below = cards::kRankCount) const;
    // The suit held at least n times, or -1.
    int suitWith(int n) const;
};

// "a full house, kings full of fours", "two pair, aces and sevens".
std::string madeHandWords(const HandShape& shape);

} // namespace engine::board
