#pragma once
// Checks of cards given together (hole cards, a board, dead cards), with
// messages that name the card at fault.

#include <string>
#include <string_view>
#include <vector>

#include "engine/cards/CardSet.h"
#include "engine/cards/HoleCards.h"
#include "engine/cards/Parsed.h"

namespace engine::cards {

// The board as a set; refused when a card is on it twice.
Parsed<CardSet> boardCards(const std::vector<Card>& board);

// "a hand is two different cards" for one card twice, otherwise empty.
std::string holeCardsProblem(const HoleCards& hand);

// The first card both sets hold, as "\"Ah\" is <where>", or empty.
std::string sharedCard(CardSet a, CardSet b, std::string_view where);

} // namespace engine::cards
