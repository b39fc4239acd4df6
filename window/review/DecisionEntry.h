#pragma once
// A decision's pre-flop situation as the strategy chart's pick enters it in
// the main window: the hand class, the big blind as it would be typed, the
// position, the action and the limpers. A heads-up hand has no position the
// advisor knows: it is not entered, and the note says why.

#include <optional>
#include <string>
#include <variant>

#include "engine/Chart.h"
#include "history/grading/Decision.h"

namespace window::review {

struct DecisionSituation {
    engine::ChartSituation situation;
    std::string hand; // "AKs", "AK", "QQ"
};

// The situation, or a sentence telling why there is none.
std::variant<DecisionSituation, std::string> situationOf(const history::Decision& d);

// The big blind to enter: the hand's own to the cent, or 1 when that is
// nothing or more than the main window's box holds.
double bigBlindToEnter(double bigBlind);

} // namespace window::review
