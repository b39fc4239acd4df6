#pragma once
// A practice question's table told as the window shows it: each seat in the
// order it acts pre-flop, its stack and what it did before the player, in
// the player's money with the big blinds beside.

#include <string>
#include <vector>

#include "history/practice/Scene.h"
#include "platform/money/Money.h"

namespace window::practice {

struct SeatRow {
    std::string seat;   // "UTG" ... "BTN", "SB", "BB"
    std::string stack;  // in money
    std::string action; // "folds", "limps", "raises to $6.00 (3 BB)", "your turn", "to act"
    bool hero = false;
};

// Every seat, from the first to act pre-flop to the big blind.
std::vector<SeatRow> seatRows(const ::practice::Scene& scene, const platform::Money& money);

// "3", "2.5": a number of big blinds, as short as it reads exactly.
std::string bigBlindsText(double bb);

// "Check" for the big blind's free option, "Call" otherwise.
std::string callCaption(const ::practice::Scene& scene);

// "You are BTN of 6 with A♠ K♥; big blind $2.00."
std::string sceneLine(const ::practice::Scene& scene, const platform::Money& money);

} // namespace window::practice
