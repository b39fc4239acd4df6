#pragma once
// The advisor asked with values: a hand class, the position, what happened
// before, the number of limpers and the big blind as numbers. This is the
// engine's pre-flop entry point for everyone who is not reading a window's
// boxes: the chart, the command line, the review of hand histories.

#include <optional>

#include "engine/AdviceText.h"
#include "engine/Bet.h"
#include "engine/Groups.h"
#include "engine/Situation.h"

namespace engine {

struct PreflopQuery {
    int hand = 0; // a hand class as handIndex: handIndex("AKs"), or cards::handClassOf(cards)
    std::optional<Position> position;
    PreflopAction action = PreflopAction::Opened;
    // The number of limpers when it is known; the answers that count them
    // read it in a limped pot only.
    std::optional<double> limpers;
    double bigBlind = 1;
};

struct PreflopAnswer {
    HandGroup group = HandGroup::NotRanked;
    const AdviceText* advice = &kNoAdvice;
    Bet bet;            // its class, and its amounts in the big blind's money
    double lowBB = 0;   // the bet's amounts in big blinds (Amount and Range)
    double highBB = 0;  // the upper end of a Range

    // The advice's content key, when it is one entry of the content table.
    std::optional<AdviceKey> adviceKey() const { return advice->key(); }
};

PreflopAnswer answerPreflop(const PreflopQuery& query);

} // namespace engine
