#pragma once
// Draws on the flop and the turn: flush draws, open-ended straight draws,
// double gut-shots and gutshots with their outs, and, on the flop only,
// backdoor flush and straight draws. A draw counts only when a hole card
// takes part in it.

#include <vector>

#include "engine/board/BoardReading.h"
#include "engine/cards/HoleCards.h"

namespace engine::board {

std::vector<Draw> findDraws(const cards::HoleCards& hand, cards::CardSet board, odds::HandCategory made);

} // namespace engine::board
