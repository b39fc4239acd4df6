#pragma once
// A long count reads the shared stop flag once every kStepsPerRead steps of
// its work: often enough that a stop ends it within a fraction of a
// millisecond, however deep the count, and rarely enough that the reads cost
// nothing beside the work.

#include <atomic>
#include <cstdint>

namespace engine::odds {

class StopPoll {
public:
    static constexpr std::uint64_t kStepsPerRead = 1024;

    explicit StopPoll(const std::atomic<bool>& stop) : stop_(stop) {}

    // Counts one step of work; true once the flag has been seen set, and
    // from then on (the steps are then no longer counted).
    bool step()
    {
        if (stopped_)
            return true;
        if (++steps_ % kStepsPerRead == 0)
            stopped_ = stop_.load(std::memory_order_relaxed);
        return stopped_;
    }

    // Reads the flag now, as at the end of a piece of work.
    bool stopped()
    {
        if (!stopped_)
            stopped_ = stop_.load(std::memory_order_relaxed);
        return stopped_;
    }

    std::uint64_t steps() const { return steps_; }

private:
    const std::atomic<bool>& stop_;
    std::uint64_t steps_ = 0;
    bool stopped_ = false;
};

} // namespace engine::odds
