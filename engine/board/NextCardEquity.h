#pragma once
// Equity by the next card: on the flop or the turn, the hand's equity after
// each card that can come next, against random hands or a range.
//
// Against random hands every unseen card is equally likely to come. Against
// a range it is not: a card the range often holds comes less often. Each
// card's chance is the weight of the range's combinations that leave it in
// the deck, so the equity on the current board is the average of the cards'
// equities by their chance.

#include <functional>
#include <stop_token>
#include <string>
#include <vector>

#include "engine/odds/EquityRequest.h"

namespace engine::board {

struct NextCard {
    cards::Card card;
    double chance = 0.0;   // that this card comes next, 0 to 1
    double win = 0.0;      // the hand's shares once it has come
    double tie = 0.0;
    double equity = 0.0;
    double standardError = 0.0;
    odds::EquityMethod method = odds::EquityMethod::Exact;
};

struct NextCardEquity {
    odds::EquityStatus status = odds::EquityStatus::Done;
    std::string error;
    // In card order (CardSet's); a card a range always holds cannot come
    // and is left out. When stopped, the cards counted so far.
    std::vector<NextCard> cards;
    // The average over the cards counted, by their chance.
    double equity = 0.0;
};

using NextCardProgress = std::function<void(double fraction)>;

// `request` as for computeEquity, with a board of three or four cards; its
// method, trials and time apply to each card.
NextCardEquity equityByNextCard(const odds::EquityRequest& request, std::stop_token stop = {},
                                const NextCardProgress& progress = {});

} // namespace engine::board
