#pragma once
// A checked equity request turned into what the counting needs: the known
// cards as evaluator keys, the cards left to deal, the opponent's possible
// hands.

#include <vector>

#include "engine/cards/Parsed.h"
#include "engine/odds/EquityRequest.h"
#include "engine/odds/HandKey.h"

namespace engine::odds {

struct EquitySetup {
    HandKey board;                 // the known board cards
    HandKey hand;                  // the hero's two cards, without a start
    std::vector<cards::Card> deck; // the cards the board may still take, in rank order
    int missingBoardCards = 0;
    int opponents = 1;
    bool ranged = false;           // one opponent, holding one of `combos`
    std::vector<HandKey> combos;   // without a start
};

// Refuses a request that cannot be answered, naming what is wrong.
cards::Parsed<EquitySetup> makeEquitySetup(const EquityRequest& request);

} // namespace engine::odds
