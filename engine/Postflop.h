#pragma once
// Post-flop advice for a made hand or a draw, by position, kind of pot and
// number of opponents.

#include <array>
#include <string_view>

#include "engine/AdviceText.h"
#include "engine/Situation.h"

namespace engine {

// The categories, in the order of the window's list (after its empty item).
inline constexpr std::array<std::string_view, 13> kPostFlopCategories = {
    "Top Pair - Jacks or Better w/ Good Kicker",
    "Top Pair - Jacks or Better w/ Weak Kicker",
    "Middle Pair - Tens and Below w/ Decent Kicker",
    "Top Two Pair",
    "Two Pair",
    "Nut Flush",
    "Nut Flush Draw",
    "Flush",
    "Non-Nut Flush Draw",
    "Straight",
    "Open-Ended Straight Draw or Double Gut-Shot",
    "Trips",
    "Full House",
};

struct PostflopRecommendation {
    // The advice for the category and options: the first of the category's
    // cases the options fit, "Enter the correct options above" when none
    // does, the empty text for the empty category. Null for a text that is
    // no category: whatever advice is shown stays.
    const AdviceText* advice = nullptr;
};

PostflopRecommendation advisePostflop(const PostflopSituation& situation);

} // namespace engine
