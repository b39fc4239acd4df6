#pragma once
// Cards as the export writes them: "Ah", "Td", in brackets "[Qh Jh 2c]".

#include <cstddef>
#include <optional>
#include <string_view>

#include "engine/cards/Card.h"

namespace history::roomtext {

// The card of two characters, rank then lower-case suit.
std::optional<engine::cards::Card> readCard(std::string_view text);

// The cards between '[' and ']' at the start of `text`, separated by spaces:
// at most `capacity` of them into `cards`. Returns how many, or nullopt when
// the brackets hold anything else; `length` is set past the ']'.
std::optional<std::size_t> readBracketedCards(std::string_view text, engine::cards::Card* cards, std::size_t capacity,
                                              std::size_t& length);

} // namespace history::roomtext
