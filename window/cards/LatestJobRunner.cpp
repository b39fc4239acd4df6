#include "window/cards/LatestJobRunner.h"

namespace window::cards {

LatestJobRunner::LatestJobRunner() : thread_([this](std::stop_token stop) { loop(stop); }) {}

LatestJobRunner::~LatestJobRunner()
{
    thread_.request_stop();
    {
        const std::lock_guard lock(mutex_);
        current_.request_stop();
    }
    thread_.join();
}

std::uint64_t LatestJobRunner::start(Job job)
{
    const std::lock_guard lock(mutex_);
    current_.request_stop();
    pending_ = std::move(job);
    wake_.notify_one();
    return ++latest_;
}

void LatestJobRunner::cancel()
{
    const std::lock_guard lock(mutex_);
    current_.request_stop();
    pending_ = nullptr;
    ++latest_;
}

void LatestJobRunner::loop(std::stop_token stop)
{
    for (;;) {
        Job job;
        std::uint64_t number = 0;
        std::stop_source runStop;
        {
            std::unique_lock lock(mutex_);
            if (!wake_.wait(lock, stop, [this] { return static_cast<bool>(pending_); }))
                return;
            job = std::move(pending_);
            pending_ = nullptr;
            number = latest_;
            current_ = runStop;
        }
        job(number, runStop.get_token());
    }
}

} // namespace window::cards
