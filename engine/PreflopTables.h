#pragma once
// The pre-flop tables, an advice table and a bet table for each action
// before the player: what each hand gets from each position.

#include <optional>
#include <string_view>

#include "engine/AdviceText.h"
#include "engine/Bet.h"
#include "engine/DecisionTable.h"

namespace engine {

using AdviceRow = PositionRow<AdviceText>;
using AdviceTable = DecisionTable<AdviceRow>;

// What the rows that read the position answer while none is chosen. The
// opened table's stronger hands end it with a stop.
inline constexpr AdviceText kEnterPosition = "Enter correct position above";
inline constexpr AdviceText kEnterPositionStop = "Enter correct position above.";

extern const AdviceTable kOpenedAdvice;
extern const BetTable kOpenedBets;
extern const AdviceTable kLimpedAdvice;
extern const BetTable kLimpedBets;
extern const AdviceTable kRaisedAdvice;
extern const BetTable kRaisedBets;
extern const AdviceTable kRaisedCalledAdvice;
extern const BetTable kRaisedCalledBets;
extern const AdviceTable kReRaisedAdvice;
extern const BetTable kReRaisedBets;

// KTs and KT in a limped pot: with one limper a late seat raises, with more it
// follows the row; no count asks for one.
const AdviceText& limperRuleAdvice(const AdviceRow& row, std::optional<Position> position,
                                   std::optional<double> limpers);

} // namespace engine
