#pragma once
// What an opponent of the cards window holds, read from the text typed for
// it: a random hand (the text is blank, or names every combination in full)
// or a range, or what is wrong with the text in the range reader's words.

#include <optional>
#include <string>
#include <string_view>

#include "engine/cards/Range.h"

namespace window::cards {

struct OpponentReading {
    std::optional<engine::cards::Range> range; // none: a random hand, or a text that does not read
    std::string message;                       // empty when the text reads
};

OpponentReading readOpponentRange(std::string_view text);

} // namespace window::cards
