#pragma once
// What the hole cards make of the board, and which post-flop category that
// is (see the board reading help page).

#include <optional>
#include <string>
#include <vector>

#include "engine/Postflop.h"
#include "engine/cards/HoleCards.h"
#include "engine/odds/HandEvaluator.h"

namespace engine::board {

struct Holding {
    std::string text;              // "top pair, good kicker", "an overpair"
    std::optional<PostflopCategory> category;
    bool beatsDraws = false;       // a draw does not name this hand's category
};

Holding readHolding(const cards::HoleCards& hand, cards::CardSet board, const odds::HandEvaluator& evaluator);

} // namespace engine::board
