#include "engine/Postflop.h"

#include <iterator>
#include <vector>

namespace engine {

namespace {

using enum AdviceKey;

// What one of the three post-flop option pairs must show for a case to
// apply; the Any values also match a pair with nothing chosen.
enum class Side { AnySide, In, Out };
enum class Pot { AnyPot, Raised, Limped };
enum class Players { AnyPlayers, HeadsUp, MultiWay };

struct FlopCase {
    Side side;
    Pot pot;
    Players players;
    AdviceText advice;
};

// A category's cases, tried in order.
struct FlopCategory {
    std::vector<FlopCase> cases;
};

using enum Side;
using enum Pot;
using enum Players;

// A category whose advice reads only the pot.
FlopCategory byPot(AdviceText raised, AdviceText limped)
{
    return {{{AnySide, Raised, AnyPlayers, raised}, {AnySide, Limped, AnyPlayers, limped}}};
}

// A category with one advice whatever the options.
FlopCategory always(AdviceText advice)
{
    return {{{AnySide, AnyPot, AnyPlayers, advice}}};
}

// The cases of category `i` of kPostFlopCategories.
const FlopCategory& category(std::size_t i)
{
    static const FlopCategory kCategories[] = {
        byPot(ADV_F_01, ADV_F_02), // Top Pair - Jacks or Better w/ Good Kicker
        {{ // Top Pair - Jacks or Better w/ Weak Kicker
            {In,  Raised, HeadsUp,  ADV_F_03},
            {In,  Raised, MultiWay, ADV_F_04},
            {In,  Limped, HeadsUp,  ADV_F_05},
            {In,  Limped, MultiWay, ADV_F_06},
            {Out, Raised, HeadsUp,  ADV_F_07},
            {Out, Raised, MultiWay, ADV_F_08},
            {Out, Limped, HeadsUp,  ADV_F_09},
            {Out, Limped, MultiWay, ADV_F_10}}},
        {{ // Middle Pair - Tens and Below w/ Decent Kicker
            {In,  Raised, AnyPlayers, ADV_F_11},
            {In,  Limped, AnyPlayers, ADV_F_12},
            {Out, Raised, AnyPlayers, ADV_F_13},
            {Out, Limped, AnyPlayers, ADV_F_14}}},
        byPot(ADV_F_15, ADV_F_16), // Top Two Pair
        byPot("Raise any bet that is in front of you to a near pot sized bet.", ADV_F_17), // Two Pair
        always(ADV_F_18),          // Nut Flush
        byPot(ADV_F_19, ADV_F_20), // Nut Flush Draw
        always(ADV_F_21),          // Flush
        {{ // Non-Nut Flush Draw
            {In,  Limped, AnyPlayers, ADV_F_23},
            {In,  Raised, AnyPlayers, ADV_F_22},
            {Out, Limped, HeadsUp,  ADV_F_24},
            {Out, Limped, MultiWay, ADV_F_25}}},
        byPot(ADV_F_26, ADV_F_27), // Straight
        byPot(ADV_F_28, ADV_F_29), // Open-Ended Straight Draw or Double Gut-Shot
        always(ADV_F_30),          // Trips
        byPot(ADV_F_31, "If it is checked to you, bet around 1/2 the pot size."), // Full House
    };
    static_assert(std::size(kCategories) == kPostFlopCategories.size());
    return kCategories[i];
}

bool applies(const FlopCase& c, const PostflopSituation& s)
{
    const bool sideOk = c.side == AnySide || s.side == (c.side == In ? PostflopSide::In : PostflopSide::Out);
    const bool potOk = c.pot == AnyPot || s.pot == (c.pot == Raised ? PostflopPot::Raised : PostflopPot::Limped);
    const bool playersOk = c.players == AnyPlayers
        || s.players == (c.players == HeadsUp ? PostflopPlayers::HeadsUp : PostflopPlayers::MultiWay);
    return sideOk && potOk && playersOk;
}

} // namespace

std::optional<PostflopCategory> categoryFromText(std::string_view text)
{
    for (std::size_t i = 0; i < kPostFlopCategories.size(); ++i)
        if (kPostFlopCategories[i] == text)
            return static_cast<PostflopCategory>(i);
    return std::nullopt;
}

PostflopRecommendation advisePostflop(const PostflopSituation& s)
{
    if (!s.category)
        return {&kNoAdvice};
    for (const FlopCase& fc : category(static_cast<std::size_t>(*s.category)).cases)
        if (applies(fc, s))
            return {&fc.advice};
    return {&kEnterCorrectOptions};
}

} // namespace engine
