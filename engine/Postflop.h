#pragma once
// Post-flop advice for a made hand or a draw, by position, kind of pot and
// number of opponents.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/AdviceText.h"
#include "engine/Situation.h"

namespace engine {

// The made hands and draws the post-flop advice knows, in the order of the
// window's list (after its empty item).
enum class PostflopCategory : std::uint8_t {
    TopPairGoodKicker,
    TopPairWeakKicker,
    MiddlePairDecentKicker,
    TopTwoPair,
    TwoPair,
    NutFlush,
    NutFlushDraw,
    Flush,
    NonNutFlushDraw,
    Straight,
    OpenEndedOrDoubleGutShot,
    Trips,
    FullHouse,
};

// Their texts, indexed by PostflopCategory.
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

constexpr std::string_view categoryText(PostflopCategory c)
{
    return kPostFlopCategories[static_cast<std::size_t>(c)];
}

// The category a text names, compared whole and case-sensitively with the
// list's items; none for any other text.
std::optional<PostflopCategory> categoryFromText(std::string_view text);

struct PostflopRecommendation {
    // The advice for the category and options: the first of the category's
    // cases the options fit, "Enter the correct options above" when none
    // does, the empty text for no category.
    const AdviceText* advice = &kNoAdvice;
};

PostflopRecommendation advisePostflop(const PostflopSituation& situation);

} // namespace engine
