#pragma once
// Runs one job at a time on a thread of its own. Starting a job abandons the
// one under way (its stop is requested) so whoever starts never waits; the
// job itself reports what it finds, and checks its stop token to end early.

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <stop_token>
#include <thread>

namespace window::cards {

class LatestJobRunner {
public:
    using Job = std::function<void(std::uint64_t run, std::stop_token stop)>;

    LatestJobRunner();
    // Stops the job under way and waits for the thread, which ends as soon
    // as the job honours its stop.
    ~LatestJobRunner();
    LatestJobRunner(const LatestJobRunner&) = delete;
    LatestJobRunner& operator=(const LatestJobRunner&) = delete;

    // Abandons any job and starts this one; returns its number (from 1).
    std::uint64_t start(Job job);
    // Abandons any job and starts none.
    void cancel();

private:
    void loop(std::stop_token stop);

    std::mutex mutex_;
    std::condition_variable_any wake_;
    Job pending_;
    std::uint64_t latest_ = 0;
    std::stop_source current_{std::nostopstate};
    // Last: the thread starts once the rest is made, and is joined first.
    std::jthread thread_;
};

} // namespace window::cards
