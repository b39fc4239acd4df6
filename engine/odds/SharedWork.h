#pragma once
// Work items shared by a few threads; their tallies are summed as they come.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

namespace engine::odds {

inline constexpr auto kSharedWorkPollInterval = std::chrono::milliseconds(2);
// Progress is reported about this often.
inline constexpr auto kEquityProgressInterval = std::chrono::milliseconds(50);

template <typename Tally>
class SharedWork {
public:
    explicit SharedWork(std::uint64_t itemLimit) : itemLimit_(itemLimit) {}

    template <typename Work>
    void runWorker(const Work& work)
    {
        while (!stop_.load(std::memory_order_relaxed)) {
            const std::uint64_t item = next_.fetch_add(1, std::memory_order_relaxed);
            if (item >= itemLimit_)
                break;
            const Tally tally = work(item);
            const std::lock_guard lock(mutex_);
            total_ += tally;
            ++itemsDone_;
            if (enough_ && enough_(total_))
                stop();
        }
        const std::lock_guard lock(mutex_);
        --running_;
        finished_.notify_all();
    }

    void setRunning(int threads) { running_ = threads; }
    // Stops the work as soon as the items summed so far satisfy `enough`
    // (called by the worker that adds one, under the lock), rather than at
    // the next look of whoever waits. Before the workers start.
    void stopOnceEnough(std::function<bool(const Tally&)> enough) { enough_ = std::move(enough); }
    void stop() { stop_.store(true, std::memory_order_relaxed); }
    const std::atomic<bool>& stopFlag() const { return stop_; }

    // Waits a little; false once every worker has ended.
    bool wait(Tally& total, std::uint64_t& itemsDone)
    {
        std::unique_lock lock(mutex_);
        finished_.wait_for(lock, kSharedWorkPollInterval, [&] { return running_ == 0; });
        total = total_;
        itemsDone = itemsDone_;
        return running_ > 0;
    }

private:
    const std::uint64_t itemLimit_;
    std::atomic<std::uint64_t> next_{0};
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::condition_variable finished_;
    Tally total_;
    std::function<bool(const Tally&)> enough_;
    std::uint64_t itemsDone_ = 0;
    int running_ = 0;
};

// Whatever way a run is left, a progress callback that throws included, its
// workers stop before they are joined.
template <typename Tally>
struct StopSharedWork {
    SharedWork<Tally>& work;
    ~StopSharedWork() { work.stop(); }
};

} // namespace engine::odds
