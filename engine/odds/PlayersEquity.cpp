#include "engine/odds/PlayersEquity.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include "engine/odds/EquitySetup.h"
#include "engine/odds/MonteCarloEnd.h"
#include "engine/odds/PlayersExact.h"
#include "engine/odds/PlayersMonteCarlo.h"
#include "engine/odds/PlayersSetup.h"
#include "engine/odds/SharedWork.h"

namespace engine::odds {

namespace {

using Clock = std::chrono::steady_clock;

double largestStandardError(const EquityResult& r)
{
    double largest = 0.0;
    for (const PlayerEquity& p : r.players)
        largest = std::max(largest, p.standardError);
    return largest;
}

// Runs `items` work items on worker threads and reports as the one-hand form
// does; `fill` turns a running total into the result, and `finish` gives the
// final total (exact counts sum their items in item order there).
template <typename Tally, typename Work, typename Check, typename Finish>
void runShared(const EquityRequest& request, std::uint64_t items, std::stop_token stop,
               const EquityProgressCallback& progress, Clock::time_point start, EquityResult& result, const Work& work,
               const Check& check, const Finish& finish, std::function<bool(const Tally&)> enough = {})
{
    SharedWork<Tally> shared(items);
    shared.stopOnceEnough(std::move(enough));
    const unsigned threads = equityThreadCount(request, items);
    shared.setRunning(static_cast<int>(threads));
    std::vector<std::jthread> workers;
    for (unsigned t = 0; t < threads; ++t) {
        workers.emplace_back([&] {
            StopPoll poll(shared.stopFlag());
            shared.runWorker([&](std::uint64_t item) { return work(item, poll); });
        });
    }
    const StopSharedWork<Tally> stopWorkers{shared};
    Tally total;
    std::uint64_t itemsDone = 0;
    auto lastReport = start;
    bool running = true;
    while (running) {
        running = shared.wait(total, itemsDone);
        const auto now = Clock::now();
        const double elapsed = std::chrono::duration<double>(now - start).count();
        total.fill(result, request.players.size());
        if (stop.stop_requested()) {
            result.status = EquityStatus::Cancelled;
            shared.stop();
        }
        double fraction = static_cast<double>(itemsDone) / static_cast<double>(items);
        if (check(result, elapsed, fraction))
            shared.stop();
        if (progress && running && !shared.stopFlag().load(std::memory_order_relaxed) &&
            now - lastReport >= kEquityProgressInterval) {
            lastReport = now;
            result.seconds = elapsed;
            progress(EquityProgress{std::clamp(fraction, 0.0, 1.0), result});
        }
    }
    workers.clear();
    finish(total);
    total.fill(result, request.players.size());
    result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
}

} // namespace

EquityResult computePlayersEquity(const EquityRequest& request, std::stop_token stop,
                                  const EquityProgressCallback& progress)
{
    const auto start = Clock::now();
    EquityResult result;
    const auto setup = makePlayersSetup(request);
    if (!setup.ok()) {
        result.status = EquityStatus::Invalid;
        result.error = setup.error;
        return result;
    }
    PlayersExact exact(setup.value);
    const bool limited = request.trials != 0 || request.seconds > 0.0;
    const bool useExact = request.method == EquityMethod::Exact ||
                          (request.method == EquityMethod::Automatic && !limited && exact.seconds() <= kExactBudgetSeconds);
    result.method = useExact ? EquityMethod::Exact : EquityMethod::MonteCarlo;

    if (useExact) {
        exact.prepare();
        const std::uint64_t items = exact.itemCount();
        // Each item's tally is kept and the items summed in order at the end,
        // so floating-point sums do not depend on which thread ran what.
        std::vector<WeightedTally> itemTallies(items);
        std::vector<char> itemDone(items, 0);
        runShared<WeightedTally>(
            request, items, stop, progress, start, result,
            [&](std::uint64_t item, StopPoll& poll) {
                WeightedTally t = exact.run(item, poll);
                itemTallies[item] = t;
                itemDone[item] = 1;
                return t;
            },
            [](const EquityResult&, double, double) { return false; },
            [&](WeightedTally& total) {
                total = WeightedTally{};
                for (std::uint64_t i = 0; i < items; ++i) {
                    if (itemDone[i] != 0)
                        total += itemTallies[i];
                }
            });
        if (result.status == EquityStatus::Done && result.deals == 0) {
            // Only where the setup's search for a fit gave up early.
            result = EquityResult{};
            result.status = EquityStatus::Invalid;
            result.error = kRangesNeverFit;
        }
        return result;
    }

    const PlayersMonteCarlo monteCarlo(setup.value, request.seed);
    if (!monteCarlo.drawable()) {
        // Only where the setup's search for a fit gave up early; sampling
        // would find no deal and run on.
        result.status = EquityStatus::Invalid;
        result.error = kRangesNeverFit;
        return result;
    }
    const MonteCarloEnd end(request);
    const std::uint64_t batchTrials = PlayersMonteCarlo::kBatchTrials;
    const std::uint64_t items = request.trials == 0 ? std::numeric_limits<std::uint64_t>::max()
                                                    : equityBatchesFor(request.trials, batchTrials);
    runShared<SampledTally>(
        request, items, stop, progress, start, result,
        [&](std::uint64_t batch, StopPoll& poll) {
            const std::uint64_t done = batch * batchTrials;
            const std::uint64_t left = request.trials == 0 ? batchTrials : request.trials - done;
            return monteCarlo.runBatch(batch, std::min(left, batchTrials), poll);
        },
        [&](const EquityResult& r, double elapsed, double& fraction) {
            const double error = largestStandardError(r);
            fraction = end.fraction(r.deals, error, elapsed);
            return end.reached(r.deals, error, elapsed) || monteCarlo.gaveUp();
        },
        [](SampledTally&) {},
        // The workers stop at the batch that reaches the standard error, or
        // once the hands' draw has given up.
        [&](const SampledTally& total) {
            if (monteCarlo.gaveUp())
                return true;
            if (!end.endsByError())
                return false;
            EquityResult r;
            total.fill(r, request.players.size());
            return end.preciseEnough(r.deals, largestStandardError(r));
        });
    if (monteCarlo.gaveUp() && result.status != EquityStatus::Cancelled) {
        result = EquityResult{};
        result.status = EquityStatus::Invalid;
        result.error = "the players' ranges almost never fit together: no deal of them was found in " +
                       std::to_string(AssignmentSampler::kMostTries) +
                       " tries in a row; widen a range or give fewer players";
    }
    return result;
}

EquityResult oneHandAsPlayers(const EquityRequest& request, std::stop_token stop,
                              const EquityProgressCallback& progress)
{
    const auto checked = makeEquitySetup(request);
    if (!checked.ok()) {
        EquityResult refused;
        refused.status = EquityStatus::Invalid;
        refused.error = checked.error;
        return refused;
    }
    EquityRequest players = request;
    players.players = {PlayerHolding::ofHand(request.hand), PlayerHolding::ofRange(*request.opponentRange)};
    const EquityProgressCallback oneHand = progress ? EquityProgressCallback([&](const EquityProgress& p) {
        EquityProgress shown = p;
        shown.sofar.players.clear();
        progress(shown);
    }) : EquityProgressCallback();
    EquityResult result = computePlayersEquity(players, stop, oneHand);
    result.players.clear();
    return result;
}

} // namespace engine::odds
