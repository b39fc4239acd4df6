#pragma once
// The common frame of the bet routines.

#include <array>
#include <cstdint>
#include <span>

#include "engine/Bet.h"
#include "engine/Hand.h"

namespace engine {

struct BetTable {
    std::span<const BetRow> rows;
    const std::array<std::int8_t, kHandCount>& index;
};

// Runs the whole recomputation of one pre-flop action: upper-cases the hole
// cards, normalises the hand, looks up the group, lets `advise` choose the
// advice, takes the big blind, writes the bet of the table's cell, and shows
// group and advice.
void runBetFrame(PokerState& s, void (*advise)(PokerState&), const BetTable& table);

} // namespace engine
