#pragma once
// The equity of a hand against random hands or a range, exact or by Monte
// Carlo, on every core. Meant to run on a worker thread: it checks the stop
// token often, returns what it counted so far when stopped, and reports
// progress on the calling thread about every 50 ms until the run stops (an
// early report may count no deal yet; none comes once a stop is asked).

#include <functional>
#include <stop_token>

#include "engine/odds/EquityRequest.h"

namespace engine::odds {

using EquityProgressCallback = std::function<void(const EquityProgress&)>;

// Automatic requests enumerate exactly when that takes about this long on
// one core, or less.
inline constexpr double kExactBudgetSeconds = 0.2;

// Fewer trials than this never end a Monte Carlo run by its standard error.
inline constexpr std::uint64_t kMinimumTrials = 20000;

EquityResult computeEquity(const EquityRequest& request, std::stop_token stop = {},
                           const EquityProgressCallback& progress = {});

} // namespace engine::odds
