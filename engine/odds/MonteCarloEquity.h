#pragma once
// Monte Carlo equity: random deals in batches. Each batch draws from its own
// generator seeded by the request's seed and the batch number, so a given
// number of trials gives the same counts however many threads share them.

#include <cstdint>

#include "engine/odds/EquitySetup.h"
#include "engine/odds/EquityTally.h"
#include "engine/odds/HandEvaluator.h"

namespace engine::odds {

class MonteCarloEquity {
public:
    static constexpr std::uint64_t kBatchTrials = 4096;

    MonteCarloEquity(const EquitySetup& setup, std::uint64_t seed) : setup_(setup), seed_(seed) {}

    EquityTally runBatch(std::uint64_t batch, std::uint64_t trials) const;

private:
    const EquitySetup& setup_;
    std::uint64_t seed_;
    HandEvaluator evaluator_;
};

} // namespace engine::odds
