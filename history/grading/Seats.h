#pragma once
// The seat names and table positions of a hand's players.

#include <optional>
#include <string_view>

#include "engine/Situation.h"

namespace history {

// The seat of the player at `index` among `players` dealt in, ordered from
// the small blind (index 0) to the button (the last): "SB", "BB", then from
// the first to act after the big blind "UTG", "UTG+1" ... "LJ", "HJ", "CO",
// "BTN". Heads-up the order is big blind, button: "BB", "BTN".
std::string_view seatName(int index, int players);

// Early for the UTG seats, Middle for LJ and HJ, Late for CO and BTN, Blinds
// for SB and BB; none heads-up, where positions are not graded.
std::optional<engine::Position> seatPosition(int index, int players);

} // namespace history
