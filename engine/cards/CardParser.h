#pragma once
// Reads cards as players type them: rank A K Q J T 9-2 (or "10"), then a suit
// letter s h d c in either case or a suit symbol; cards written together or
// separated by spaces or commas ("Qh7s2d", "Qh 7s 2d", "Qh,7s, 2d").

#include <string_view>
#include <vector>

#include "engine/cards/Card.h"
#include "engine/cards/HoleCards.h"
#include "engine/cards/Parsed.h"

namespace engine::cards {

// The rank of a rank character ('A', 'k', 't', '9'...), or -1.
int rankOfChar(char c);

// Every card of the text in the order written. Refuses a duplicate
// ("duplicate card \"Ah\"") or anything that is not a card ("\"Xh\" is not a card").
Parsed<std::vector<Card>> parseCards(std::string_view text);

// Exactly two cards, as a player's hand.
Parsed<HoleCards> parseHoleCards(std::string_view text);

} // namespace engine::cards
