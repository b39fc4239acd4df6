#pragma once
// The multi-player form of computeEquity, and what it shares with the
// one-hand form.

#include <cstdint>
#include <stop_token>

#include "engine/odds/Equity.h"

namespace engine::odds {

EquityResult computePlayersEquity(const EquityRequest& request, std::stop_token stop,
                                  const EquityProgressCallback& progress);

// The one-hand form against a weighted range, counted as two players; the
// result keeps the one-hand shape.
EquityResult oneHandAsPlayers(const EquityRequest& request, std::stop_token stop,
                              const EquityProgressCallback& progress);

// Batches of a trial count, the last one short; any count, up to the
// largest, is split without overflow.
std::uint64_t equityBatchesFor(std::uint64_t trials, std::uint64_t batchTrials);

// Threads for a run of `items` work items.
unsigned equityThreadCount(const EquityRequest& request, std::uint64_t items);

} // namespace engine::odds
