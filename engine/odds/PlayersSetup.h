#pragma once
// A checked multi-player equity request turned into what the counting
// needs: per player the combinations it may hold (with their weights), the
// known board, and the cards a board may still take.

#include <cstdint>
#include <vector>

#include "engine/cards/Parsed.h"
#include "engine/odds/EquityRequest.h"
#include "engine/odds/HandKey.h"

namespace engine::odds {

struct PlayerCombos {
    std::vector<HandKey> keys;     // without a start
    std::vector<double> weights;   // parallel to keys; above 0, at most 1
    std::vector<double> cumulative; // running sums of the weights, for drawing by weight
    bool random = false;           // every two cards not known
    bool weighted = false;         // some weight is below 1
};

struct PlayersSetup {
    HandKey board;                      // the known board cards
    std::vector<cards::Card> deck;      // cards neither on the board, dead nor in a known hand
    int missingBoardCards = 0;
    std::vector<PlayerCombos> players;  // in the request's order
};

// Refuses a request that cannot be answered, naming what is wrong: too few
// or too many players, a card given twice, a range with no hand left, ranges
// that never fit together, too few cards to deal.
cards::Parsed<PlayersSetup> makePlayersSetup(const EquityRequest& request);

// Whether some choice of one combination per player holds no card twice
// (searched with an effort limit; true when the limit is reached).
bool playersFitTogether(const PlayersSetup& setup);

// Why ranges that never fit together are refused.
inline constexpr const char* kRangesNeverFit =
    "the players' ranges never fit together: every choice of hands holds a card twice";

} // namespace engine::odds
