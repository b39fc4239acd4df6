#pragma once

namespace engine {

struct PokerState;

// Looks up the group of the hand text in lblCardValue: "1" to "8", or
// "Not Ranked" for any text in no group. Always sets groupNo.
void findGroupNo(PokerState& s);

} // namespace engine
