#pragma once
// A range of hole cards in the notation players use: "QQ+, AKs, AQo+",
// "22+", "A5s-A2s", "T9s+" (suited connectors up to AKs), "K9s+" (kickers up
// to the queen), "AK" (suited and offsuit), "KhKs", "random".

#include <array>
#include <string_view>
#include <vector>

#include "engine/cards/HoleCards.h"
#include "engine/cards/Parsed.h"

namespace engine::cards {

class Range {
public:
    static Range random();

    // Adds a combination unless the range has it already.
    void add(HoleCards combo);

    const std::vector<HoleCards>& combos() const { return combos_; }
    bool empty() const { return combos_.empty(); }

private:
    std::vector<HoleCards> combos_;
    std::array<CardSet, kCardCount> partners_{}; // per higher card, the lower cards already added
};

// Items are separated by commas or spaces; an unreadable item is named:
// "\"AKx\" is not a hand range".
Parsed<Range> parseRange(std::string_view text);

} // namespace engine::cards
