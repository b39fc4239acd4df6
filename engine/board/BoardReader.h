#pragma once
// Reads a hand on the flop, turn or river (see the board reading help page
// for the rules a category follows).

#include <string_view>
#include <vector>

#include "engine/board/BoardReading.h"
#include "engine/cards/HoleCards.h"
#include "engine/cards/Parsed.h"

namespace engine::board {

cards::Parsed<BoardReading> readBoard(const cards::HoleCards& hand, const std::vector<cards::Card>& board);

// The same from typed text: "AhKh", "Qh 7s 2d".
cards::Parsed<BoardReading> readBoard(std::string_view hand, std::string_view board);

} // namespace engine::board
