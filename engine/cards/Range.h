#pragma once
// A range of hole cards in the notation players use: "QQ+, AKs, AQo+",
// "22+", "A5s-A2s", "T9s+" (suited connectors up to AKs), "K9s+" (kickers up
// to the queen), "AK" (suited and offsuit), "KhKs", "random", the top part of
// all hands by pre-flop strength ("15%"), and the hands the advisor's chart
// gives one bet class in a situation ("chart(raised, late):raise"). Any item
// may carry a weight, the share of the time the range holds it: "AKs:0.5".

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
    // The weight of a combination; 0 when the range lacks it.
    double weight(HoleCards combo) const;
    // The sum of the weights: the number of combinations when every weight is 1.
    double weightedCount() const;

private:
    static std::size_t slotOf(HoleCards combo);

    std::vector<HoleCards> combos_;
    std::vector<double> weights_;
    // Per combination (numbered by its two cards), its place in combos_ plus one; 0 when absent.
    std::array<std::uint16_t, kCardCount*(kCardCount - 1) / 2> slots_{};
};

// Items are separated by commas or spaces; a chart item's parentheses hold
// its own commas and spaces. When two items name the same combination, the
// later one's weight holds. An unreadable item is named, with the reason
// when there is more to say than that: "\"AKx\" is not a hand range",
// "\"AKs:1.5\" is not a hand range: a weight is above 0 and at most 1".
Parsed<Range> parseRange(std::string_view text);

} // namespace engine::cards
