#pragma once
// Monte Carlo equity of several players. A trial first chooses a
// combination for each player holding a range or a known hand, each by its
// weight, and starts the choice again whenever two of them share a card: the
// choices kept are then drawn in proportion to the product of their weights
// among those that fit together. The board and the random hands are then
// dealt from the cards left. Batches are seeded as in the one-hand count.

#include <array>
#include <cstdint>

#include "engine/odds/HandEvaluator.h"
#include "engine/odds/PlayersSetup.h"
#include "engine/odds/PlayersTally.h"
#include "engine/odds/SplitMix.h"
#include "engine/odds/StopPoll.h"

namespace engine::odds {

// Draws one combination per player holding a range or a hand.
class AssignmentSampler {
public:
    explicit AssignmentSampler(const PlayersSetup& setup);

    // Fills `picks` (indices into each player's combinations; random players
    // are left alone) and `used`; false when `stop` ends the search first.
    bool draw(SplitMix& random, std::array<std::uint32_t, kMaxPlayers>& picks, std::uint64_t& used,
              StopPoll& stop) const;

private:
    std::uint32_t pick(SplitMix& random, const PlayerCombos& combos) const;

    const PlayersSetup& setup_;
    std::array<std::uint8_t, kMaxPlayers> order_{};  // the ranged players, fewest combinations first
    std::size_t ranged_ = 0;
};

class PlayersMonteCarlo {
public:
    static constexpr std::uint64_t kBatchTrials = 4096;

    PlayersMonteCarlo(const PlayersSetup& setup, std::uint64_t seed) : setup_(setup), seed_(seed), sampler_(setup) {}

    SampledTally runBatch(std::uint64_t batch, std::uint64_t trials, StopPoll& stop) const;

private:
    const PlayersSetup& setup_;
    std::uint64_t seed_;
    AssignmentSampler sampler_;
    HandEvaluator evaluator_;
};

} // namespace engine::odds
