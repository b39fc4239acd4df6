#pragma once
// A range of hole cards in the notation players use: "QQ+, AKs, AQo+",
// "22+", "A5s-A2s", "T9s+" (suited connectors up to AKs), "K9s+" (kickers up
// to the queen), "AK" (suited and offsuit), "KhKs", "random".

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/cards/HoleCards.h"
#include "engine/cards/Parsed.h"

namespace engine::cards {

class Range {
public:
    static Range random();

    // Adds a combination with a weight (the share of the time the range
    // holds it, above 0 and at most 1); a combination already in the range
    // takes the new weight.
    void add(HoleCards combo, double weight = 1.0);

    const std::vector<HoleCards>& combos() const { return combos_; }
    // Parallel to combos().
    const std::vector<double>& weights() const { return weights_; }
    bool empty() const { return combos_.empty(); }

private:
    std::vector<HoleCards> combos_;
    std::vector<double> weights_;
    // Per combination (numbered by its two cards), its place in combos_ plus one; 0 when absent.
    std::array<std::uint16_t, kCardCount*(kCardCount - 1) / 2> slots_{};
};

// Items are separated by commas or spaces; an unreadable item is named:
// "\"AKx\" is not a hand range".
Parsed<Range> parseRange(std::string_view text);

} // namespace engine::cards
