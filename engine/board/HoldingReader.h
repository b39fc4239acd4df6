#pragma once
// What the hole cards make of the board, and which post-flop category that
// is (see the board reading help page).

#include <optional>
#include <string>
#include <vector>

#include "engine/cards/HoleCards.h"
#include "engine/odds/HandEvaluator.h"

namespace engine::board {

// Indexes into engine::kPostFlopCategories.
enum PostFlopCategory : int {
    kTopPairGoodKicker = 0,
    kTopPairWeakKicker = 1,
    kMiddlePairDecentKicker = 2,
    kTopTwoPair = 3,
    kTwoPair = 4,
    kNutFlush = 5,
    kNutFlushDraw = 6,
    kFlush = 7,
    kNonNutFlushDraw = 8,
    kStraight = 9,
    kOpenEndedOrDoubleGutShot = 10,
    kTrips = 11,
    kFullHouse = 12,
};

struct Holding {
    std::string text;              // "top pair, good kicker", "an overpair"
    std::optional<int> category;
    bool beatsDraws = false;       // a draw does not name this hand's category
};

Holding readHolding(const cards::HoleCards& hand, cards::CardSet board, const odds::HandEvaluator& evaluator);

} // namespace engine::board
