#include "window/cards/EquityWorker.h"

#include <chrono>

namespace window::cards {

namespace {

// The clock's time, mixed with the run's number so that two runs begun
// within one tick of the clock deal differently too.
std::uint64_t seedFromTheClock(std::uint64_t run)
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    return static_cast<std::uint64_t>(ticks) ^ (run * 0x9E3779B97F4A7C15ull);
}

} // namespace

EquityWorker::EquityWorker(Sink sink, Computation compute)
    : sink_(std::move(sink)), compute_(std::move(compute)), thread_([this](std::stop_token stop) { run(stop); })
{
}

EquityWorker::~EquityWorker()
{
    thread_.request_stop();
    {
        const std::lock_guard lock(mutex_);
        current_.request_stop();
    }
    thread_.join();
}

std::uint64_t EquityWorker::start(engine::odds::EquityRequest request)
{
    const std::lock_guard lock(mutex_);
    current_.request_stop();
    pending_ = std::move(request);
    wake_.notify_one();
    return ++latest_;
}

void EquityWorker::cancel()
{
    const std::lock_guard lock(mutex_);
    current_.request_stop();
    pending_.reset();
    ++latest_;
}

void EquityWorker::run(std::stop_token stop)
{
    for (;;) {
        engine::odds::EquityRequest request;
        std::uint64_t number = 0;
        std::stop_source runStop;
        {
            std::unique_lock lock(mutex_);
            if (!wake_.wait(lock, stop, [this] { return pending_.has_value(); }))
                return;
            request = std::move(*pending_);
            pending_.reset();
            number = latest_;
            current_ = runStop;
        }
        request.seed = seedFromTheClock(number);
        const auto progress = [&](const engine::odds::EquityProgress& p) {
            if (!runStop.stop_requested())
                sink_({number, false, p.fraction, p.sofar});
        };
        auto result = compute_(request, runStop.get_token(), progress);
        if (!runStop.stop_requested())
            sink_({number, true, 1.0, std::move(result)});
    }
}

} // namespace window::cards
