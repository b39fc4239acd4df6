#pragma once
// Pre-flop advice: the tables of each action, read for one hand text.
// answerPreflop (PreflopQuery.h) asks them with values.

#include <optional>
#include <string_view>

#include "engine/AdviceText.h"
#include "engine/Bet.h"
#include "engine/Situation.h"

namespace engine {

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

} // namespace engine
