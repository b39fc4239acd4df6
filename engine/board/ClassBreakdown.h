#pragma once
// A hand against a range, class by class: the hand's equity against the
// range's combinations of each of the 169 hand classes ("AKs", "QQ"), so a
// player sees which part of the range beats him.
//
// On the flop, turn and river every class is counted exactly. Pre-flop an
// exact count per class is too slow to wait for, so each class is played by
// Monte Carlo for a budget of trials and its standard error given.

#include <cstdint>
#include <functional>
#include <stop_token>
#include <string>
#include <vector>

#include "engine/cards/Range.h"
#include "engine/odds/EquityRequest.h"

namespace engine::board {

struct ClassBreakdownRequest {
    cards::HoleCards hand;
    std::vector<cards::Card> board; // 0, 3, 4 or 5 cards
    cards::CardSet dead;
    cards::Range range;
    std::uint64_t preflopTrials = 20000; // per class, before the flop
    std::uint64_t seed = 0x5EED;
    unsigned threads = 0;               // as in odds::EquityRequest
};

struct ClassEquity {
    int handClass = 0;     // the grid index of engine::handIndex
    std::string hand;      // "AKs", "AK", "QQ"
    int combos = 0;        // the class's combinations possible with the known cards
    double weight = 0.0;   // their summed weight
    double win = 0.0;      // the hand's shares against them, 0 to 1
    double tie = 0.0;
    double equity = 0.0;
    double standardError = 0.0; // 0 when exact
};

struct ClassBreakdown {
    odds::EquityStatus status = odds::EquityStatus::Done;
    std::string error;
    odds::EquityMethod method = odds::EquityMethod::Exact;
    std::vector<ClassEquity> classes; // in grid order; a class appears once it is counted
    // Against the whole range (the classes counted so far, by weight).
    int combos = 0;
    double weight = 0.0;
    double win = 0.0;
    double tie = 0.0;
    double equity = 0.0;
    double standardError = 0.0;
};

// Called on the calling thread after each class with the share of classes done.
using BreakdownProgress = std::function<void(double fraction)>;

// Stopped, it returns the classes counted so far as Cancelled.
ClassBreakdown breakdownByClass(const ClassBreakdownRequest& request, std::stop_token stop = {},
                                const BreakdownProgress& progress = {});

} // namespace engine::board
