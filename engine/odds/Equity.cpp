#include "engine/odds/Equity.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <limits>
#include <mutex>
#include <thread>
#include <vector>

#include "engine/odds/EquitySetup.h"
#include "engine/odds/ExactEquity.h"
#include "engine/odds/MonteCarloEnd.h"
#include "engine/odds/MonteCarloEquity.h"
#include "engine/odds/PlayersEquity.h"
#include "engine/odds/SharedWork.h"
#include "engine/odds/StopPoll.h"

namespace engine::odds {

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kProgressInterval = kEquityProgressInterval;

// More threads than this are never started, whatever the request says.
constexpr unsigned kMaxThreads = 64;

} // namespace

std::uint64_t equityBatchesFor(std::uint64_t trials, std::uint64_t batchTrials)
{
    const std::uint64_t whole = trials / batchTrials;
    return whole + (trials % batchTrials != 0 ? 1 : 0);
}

unsigned equityThreadCount(const EquityRequest& request, std::uint64_t items)
{
    unsigned threads = request.threads != 0 ? request.threads : std::thread::hardware_concurrency();
    threads = std::clamp(threads, 1u, kMaxThreads);
    return static_cast<unsigned>(std::min<std::uint64_t>(threads, items));
}

EquityResult computeEquity(const EquityRequest& request, std::stop_token stop, const EquityProgressCallback& progress)
{
    if (!request.players.empty())
        return computePlayersEquity(request, stop, progress);
    if (request.opponentRange) {
        // A range whose weights differ is counted by the players' form, which
        // weighs deals; equal weights change no share.
        const auto& weights = request.opponentRange->weights();
        if (std::adjacent_find(weights.begin(), weights.end(), std::not_equal_to<>()) != weights.end())
            return oneHandAsPlayers(request, stop, progress);
    }
    const auto start = Clock::now();
    EquityResult result;
    const auto setup = makeEquitySetup(request);
    if (!setup.ok()) {
        result.status = EquityStatus::Invalid;
        result.error = setup.error;
        return result;
    }
    ExactEquity exact(setup.value);
    const MonteCarloEquity monteCarlo(setup.value, request.seed);
    const bool limited = request.trials != 0 || request.seconds > 0.0;
    const bool useExact = request.method == EquityMethod::Exact ||
                          (request.method == EquityMethod::Automatic && !limited && exact.seconds() <= kExactBudgetSeconds);
    result.method = useExact ? EquityMethod::Exact : EquityMethod::MonteCarlo;
    if (useExact)
        exact.prepare();
    const MonteCarloEnd end(request);

    const std::uint64_t batches = request.trials == 0 ? std::numeric_limits<std::uint64_t>::max()
                                                      : equityBatchesFor(request.trials, MonteCarloEquity::kBatchTrials);
    const std::uint64_t items = useExact ? exact.itemCount() : batches;
    SharedWork<EquityTally> work(items);
    // The workers stop at the batch that reaches the standard error.
    if (!useExact && end.endsByError()) {
        work.stopOnceEnough([&](const EquityTally& t) {
            EquityResult r;
            t.fill(r, true);
            return end.preciseEnough(t.deals, r.standardError);
        });
    }
    const unsigned threads = equityThreadCount(request, items);
    work.setRunning(static_cast<int>(threads));
    std::vector<std::jthread> workers;
    for (unsigned t = 0; t < threads; ++t) {
        if (useExact) {
            workers.emplace_back([&] {
                StopPoll poll(work.stopFlag());
                work.runWorker([&](std::uint64_t item) { return exact.run(item, poll); });
            });
        } else {
            workers.emplace_back([&] {
                work.runWorker([&](std::uint64_t batch) {
                    const std::uint64_t done = batch * MonteCarloEquity::kBatchTrials;
                    const std::uint64_t left = request.trials == 0 ? MonteCarloEquity::kBatchTrials : request.trials - done;
                    return monteCarlo.runBatch(batch, std::min(left, MonteCarloEquity::kBatchTrials));
                });
            });
        }
    }

    // Whatever way this function is left, a progress callback that throws
    // included, the workers stop before they are joined.
    const StopSharedWork<EquityTally> stopWorkers{work};

    EquityTally total;
    std::uint64_t itemsDone = 0;
    auto lastReport = start;
    bool running = true;
    while (running) {
        running = work.wait(total, itemsDone);
        const auto now = Clock::now();
        const double elapsed = std::chrono::duration<double>(now - start).count();
        total.fill(result, !useExact);
        if (stop.stop_requested()) {
            result.status = EquityStatus::Cancelled;
            work.stop();
        }
        double fraction = static_cast<double>(itemsDone) / static_cast<double>(items);
        if (!useExact) {
            if (end.reached(total.deals, result.standardError, elapsed))
                work.stop();
            fraction = end.fraction(total.deals, result.standardError, elapsed);
        }
        // Once the run is stopping, by its caller or by itself, nothing more is
        // reported: the result follows.
        if (progress && running && !work.stopFlag().load(std::memory_order_relaxed) &&
            now - lastReport >= kProgressInterval) {
            lastReport = now;
            result.seconds = elapsed;
            progress(EquityProgress{std::min(fraction, 1.0), result});
        }
    }
    workers.clear();
    total.fill(result, !useExact);
    result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return result;
}

} // namespace engine::odds
