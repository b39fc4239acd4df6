#pragma once
// The pre-flop advice tables, one per action before the player: which advice
// each hand gets from each position.

#include <optional>
#include <string_view>

#include "engine/AdviceText.h"
#include "engine/DecisionTable.h"

namespace engine {

using AdviceRow = PositionRow<AdviceText>;
using AdviceTable = DecisionTable<AdviceRow>;

extern const AdviceTable kOpenedAdvice;
extern const AdviceTable kLimpedAdvice;
extern const AdviceTable kRaisedAdvice;
extern const AdviceTable kRaisedCalledAdvice;
extern const AdviceTable kReRaisedAdvice;

// KTs and KT in a limped pot: with one limper a late seat raises, with more it
// follows the row; no count asks for one.
const AdviceText& limperRuleAdvice(const AdviceRow& row, std::optional<Position> position,
                                   std::optional<double> limpers);

} // namespace engine
