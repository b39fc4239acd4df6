#include "window/cards/OpponentRange.h"

#include <algorithm>

namespace window::cards {

namespace {

constexpr std::size_t kEveryCombination = 1326;

bool everyCombinationInFull(const engine::cards::Range& range)
{
    return range.combos().size() == kEveryCombination
        && std::ranges::all_of(range.weights(), [](double w) { return w == 1.0; });
}

} // namespace

OpponentReading readOpponentRange(std::string_view text)
{
    OpponentReading r;
    if (text.find_first_not_of(" \t") == std::string_view::npos)
        return r;
    auto parsed = engine::cards::parseRange(text);
    if (!parsed.ok()) {
        r.message = std::move(parsed.error);
        return r;
    }
    if (parsed.value.empty()) {
        r.message = "the range holds no hands";
        return r;
    }
    // "random", "any" and "100%" ask for what a random hand is, counted the
    // cheaper way.
    if (!everyCombinationInFull(parsed.value))
        r.range = std::move(parsed.value);
    return r;
}

} // namespace window::cards
