#pragma once
// The cards window's state as lines of "name<TAB>value", escaped as the main
// window's dump is, for scripts and tests that drive the real window
// (TABLEWISE_CARDS_STATE_FILE).

#include <string>

#include "engine/odds/EquityRequest.h"
#include "window/cards/CardsBoardModel.h"

namespace window::cards {

std::string cardsStateDump(const CardsBoardModel& model, const engine::odds::EquityResult* equity);

} // namespace window::cards
