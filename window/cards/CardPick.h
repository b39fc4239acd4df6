#pragma once
// A card picked from the card grid: a card in use comes out of its box; any
// other goes into the first box with room, the hole cards first, then the
// flop, the turn and the river, or among the dead cards when they are asked
// for.

#include <string>

#include "engine/cards/Card.h"
#include "window/cards/CardsInput.h"
#include "window/cards/CardsReading.h"

namespace window::cards {

// Changes the texts of `input` (read as `reading`) and returns an empty
// text, or leaves them alone and returns why: a box before the one with room
// holds text that is not cards, or every box is full.
std::string pickCard(CardsInput& input, const CardsReading& reading, engine::cards::Card card,
                     bool intoDeadCards = false);

} // namespace window::cards
