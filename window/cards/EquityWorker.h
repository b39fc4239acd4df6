#pragma once
// Runs equity computations on a thread of its own, one at a time: a new
// request abandons the run under way (its stop is requested) and starts anew,
// so whoever asks never waits. Progress and the final result go to a sink,
// called on the worker thread with the number of the run they belong to;
// a sink that shows them passes them on to its own thread. Each run deals
// its Monte Carlo trials from a seed taken from the clock.

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

#include "engine/odds/Equity.h"
#include "engine/odds/EquityRequest.h"

namespace window::cards {

struct EquityUpdate {
    std::uint64_t run = 0;
    bool finished = false;  // the run's result; otherwise its progress so far
    double fraction = 0.0;  // of the run, for progress
    engine::odds::EquityResult result;
};

class EquityWorker {
public:
    using Sink = std::function<void(const EquityUpdate&)>;
    // What computes: engine::odds::computeEquity, or a stand-in for tests.
    using Computation = std::function<engine::odds::EquityResult(
        const engine::odds::EquityRequest&, std::stop_token, const engine::odds::EquityProgressCallback&)>;

    explicit EquityWorker(Sink sink, Computation compute = engine::odds::computeEquity);
    // Stops the run under way and waits for the thread, which ends promptly.
    ~EquityWorker();
    EquityWorker(const EquityWorker&) = delete;
    EquityWorker& operator=(const EquityWorker&) = delete;

    // Abandons any run and starts this one; returns its number (from 1).
    std::uint64_t start(engine::odds::EquityRequest request);
    // Abandons any run and starts none.
    void cancel();

private:
    void run(std::stop_token stop);

    Sink sink_;
    Computation compute_;
    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::optional<engine::odds::EquityRequest> pending_;
    std::uint64_t latest_ = 0;
    std::stop_source current_{std::nostopstate};
    // Last: the thread starts once the rest is made, and is joined first.
    std::jthread thread_;
};

} // namespace window::cards
