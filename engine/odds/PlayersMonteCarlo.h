#pragma once
// Monte Carlo equity of several players. A trial first chooses a
// combination for each player holding a range or a known hand, in
// proportion to the product of their weights among the choices that fit
// together (see AssignmentSampler). The board and the random hands are then
// dealt from the cards left. Batches are seeded as in the one-hand count.

#include <array>
#include <cstdint>
#include <vector>

#include "engine/odds/AssignmentSampler.h"
#include "engine/odds/DealingDeck.h"
#include "engine/odds/HandEvaluator.h"
#include "engine/odds/PlayersSetup.h"
#include "engine/odds/PlayersTally.h"
#include "engine/odds/SplitMix.h"
#include "engine/odds/StopPoll.h"

namespace engine::odds {

class PlayersMonteCarlo {
public:
    static constexpr std::uint64_t kBatchTrials = 4096;

    PlayersMonteCarlo(const PlayersSetup& setup, std::uint64_t seed);

    // False when no assignment of the ranges holds every card once.
    bool drawable() const { return sampler_.drawable(); }
    // Whether the hands' draw gave up: the ranges fit together too rarely.
    bool gaveUp() const { return sampler_.gaveUp(); }

    SampledTally runBatch(std::uint64_t batch, std::uint64_t trials, StopPoll& stop) const;

private:
    static constexpr std::size_t kDealsAtOnce = 64;

    // How the hands of the players holding ranges or known hands are drawn.
    enum class Hands {
        None,         // every player is random
        OneList,      // one joint list: a choice's keys are read directly
        SeveralLists, // list by list, again when two share a card
    };

    // `Missing` board cards and `Randoms` random players, where known when
    // compiled (the loops over the cards dealt then unroll), or -1.
    template <Hands Drawn, int Missing, int Randoms>
    std::uint64_t play(SplitMix random, std::uint64_t trials, StopPoll& stop, ShareCounts& counts) const;
    template <Hands Drawn>
    std::uint64_t play(SplitMix random, std::uint64_t trials, StopPoll& stop, ShareCounts& counts) const;

    const PlayersSetup& setup_;
    std::uint64_t seed_;
    AssignmentSampler sampler_;
    DealingDeck decks_;  // copied by each batch, which shuffles its own
    std::size_t randomCount_;  // players holding random hands
    // With one joint list: each choice's keys, in the order of the list's
    // members.
    std::vector<HandKey> choiceKeys_;
    HandEvaluator evaluator_;
};

} // namespace engine::odds
