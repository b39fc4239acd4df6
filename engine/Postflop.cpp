#include "engine/Postflop.h"

#include <initializer_list>
#include <iterator>

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
    std::initializer_list<FlopCase> cases;
};

using enum Side;
using enum Pot;
using enum Players;

// In the order of kPostFlopCategories.
const FlopCategory kCategories[] = {
    {{ // Top Pair - Jacks or Better w/ Good Kicker
        {AnySide, Raised, AnyPlayers, ADV_F_01},
        {AnySide, Limped, AnyPlayers, ADV_F_02}}},
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
    {{ // Top Two Pair
        {AnySide, Raised, AnyPlayers, ADV_F_15},
        {AnySide, Limped, AnyPlayers, ADV_F_16}}},
    {{ // Two Pair
        {AnySide, Raised, AnyPlayers, "Raise any bet that is in front of you to a near pot sized bet."},
        {AnySide, Limped, AnyPlayers, ADV_F_17}}},
    {{ // Nut Flush
        {AnySide, AnyPot, AnyPlayers, ADV_F_18}}},
    {{ // Nut Flush Draw
        {AnySide, Raised, AnyPlayers, ADV_F_19},
        {AnySide, Limped, AnyPlayers, ADV_F_20}}},
    {{ // Flush
        {AnySide, AnyPot, AnyPlayers, ADV_F_21}}},
    {{ // Non-Nut Flush Draw
        {In,  Limped, AnyPlayers, ADV_F_23},
        {In,  Raised, AnyPlayers, ADV_F_22},
        {Out, Limped, HeadsUp,  ADV_F_24},
        {Out, Limped, MultiWay, ADV_F_25}}},
    {{ // Straight
        {AnySide, Raised, AnyPlayers, ADV_F_26},
        {AnySide, Limped, AnyPlayers, ADV_F_27}}},
    {{ // Open-Ended Straight Draw or Double Gut-Shot
        {AnySide, Raised, AnyPlayers, ADV_F_28},
        {AnySide, Limped, AnyPlayers, ADV_F_29}}},
    {{ // Trips
        {AnySide, AnyPot, AnyPlayers, ADV_F_30}}},
    {{ // Full House
        {AnySide, Raised, AnyPlayers, ADV_F_31},
        {AnySide, Limped, AnyPlayers, "If it is checked to you, bet around 1/2 the pot size."}}},
};

static_assert(std::size(kCategories) == kPostFlopCategories.size());

bool applies(const FlopCase& c, const PostflopSituation& s)
{
    const bool sideOk = c.side == AnySide || s.side == (c.side == In ? PostflopSide::In : PostflopSide::Out);
    const bool potOk = c.pot == AnyPot || s.pot == (c.pot == Raised ? PostflopPot::Raised : PostflopPot::Limped);
    const bool playersOk = c.players == AnyPlayers
        || s.players == (c.players == HeadsUp ? PostflopPlayers::HeadsUp : PostflopPlayers::MultiWay);
    return sideOk && potOk && playersOk;
}

} // namespace

PostflopRecommendation advisePostflop(const PostflopSituation& s)
{
    if (s.category.empty())
        return {&kNoAdvice};
    for (std::size_t i = 0; i < kPostFlopCategories.size(); ++i) {
        if (kPostFlopCategories[i] != s.category)
            continue;
        for (const FlopCase& fc : kCategories[i].cases)
            if (applies(fc, s))
                return {&fc.advice};
        return {&kEnterCorrectOptions};
    }
    return {};
}

} // namespace engine
