#pragma once
// The number of limpers, read from txtLimpers whenever a rule needs it.

#include <optional>

#include "engine/PokerState.h"

namespace engine {

// The prompts for a missing count: the limped tables' own, and the window's.
inline constexpr const char* kEnterAmountOfLimpersCapital = "Enter amount of Limpers";
inline constexpr const char* kEnterAmountOfLimpers = "Enter amount of limpers";

// The count, converted as the big blind is. Only digits can be typed there,
// any number of them: a count of more digits than a double holds is infinite,
// and the amounts built on it say they are too large. A box that is empty,
// or holds text that is no number (pasted), gives no count, and the rules
// that need one treat it as missing.
std::optional<double> limperCount(const PokerState& s);

} // namespace engine
