#pragma once
// Pre-flop advice: a situation in, a recommendation out.

#include <optional>
#include <string_view>

#include "engine/AdviceText.h"
#include "engine/Bet.h"
#include "engine/Hand.h"
#include "engine/Situation.h"
#include "platform/money/Money.h"

namespace engine {

struct PreflopRecommendation {
    HandReading hand;
    std::string_view group;          // "1" to "8" or "Not Ranked"
    const AdviceText* advice = &kNoAdvice;
    Bet bet;
    // The big blind the bet was built on, as the window remembers it: the
    // situation's text when it holds an amount, "0" otherwise.
    std::string_view bigBlindText;
};

// The advice of the action's table for a hand text (compared whole and
// case-sensitively) and a position; KTs and KT in a limped pot also read the
// number of limpers. A text in no row gets "Enter Hole Cards" when empty and
// "This is not a playable hand" otherwise.
const AdviceText& preflopAdvice(PreflopAction action, std::string_view handText, std::optional<Position> position,
                                std::optional<double> limpers);

// The bet of the action's bet table for a hand text, on a big blind of `bb`
// (a hand in no row folds). Cells that need the limper count fall back to the
// row's answer for no position when there is none.
Bet preflopBet(PreflopAction action, std::string_view handText, std::optional<Position> position, double bb,
               std::optional<double> limpers);

// What the answer for a hand reads besides the hand: whether it differs from
// position to position, and whether it takes the number of limpers (in a
// limped pot, for the position given).
struct PreflopReads {
    bool position = false;
    bool limperCount = false;
};
PreflopReads preflopReads(PreflopAction action, std::string_view handText, std::optional<Position> position);

// The whole pre-flop computation for one action: reads the hole cards, looks
// up the group, the advice of the action's table for the position (and, for
// KTs and KT in a limped pot, the number of limpers) and the bet of its bet
// table, in big blinds plus one per limper where the table says so. The
// money format only decides which big-blind and limper texts are amounts.
PreflopRecommendation advisePreflop(const PreflopSituation& situation,
                                    const platform::Money& money = platform::Money::process());

} // namespace engine
