// The worker thread of the cards window: results carry the number of their
// run, a new request abandons the run under way, and the worker stops
// promptly when it goes, whatever it is doing.

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "engine/cards/CardParser.h"
#include "engine/odds/Equity.h"
#include "window/cards/EquityWorker.h"

namespace {

using namespace std::chrono_literals;
using window::cards::EquityUpdate;
using window::cards::EquityWorker;

engine::odds::EquityRequest request(std::string_view hand, std::string_view board, int opponents)
{
    engine::odds::EquityRequest r;
    r.hand = engine::cards::parseHoleCards(hand).value;
    r.board = engine::cards::parseCards(board).value;
    r.opponents = opponents;
    return r;
}

// A request that runs until it is stopped.
engine::odds::EquityRequest endless()
{
    auto r = request("7c2d", "", 9);
    r.method = engine::odds::EquityMethod::MonteCarlo;
    r.seconds = 3600;
    return r;
}

// What the sink received, safe to read from the test's thread.
class Received {
public:
    void operator()(const EquityUpdate& u)
    {
        const std::lock_guard lock(mutex_);
        updates_.push_back(u);
        changed_.notify_all();
    }
    // Waits (up to a generous limit, so that a fault fails rather than hangs)
    // for an update that fits.
    template <class Fits>
    bool waitFor(Fits fits)
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, 60s, [&] {
            for (const auto& u : updates_)
                if (fits(u))
                    return true;
            return false;
        });
    }
    std::vector<EquityUpdate> updates()
    {
        const std::lock_guard lock(mutex_);
        return updates_;
    }
    // The numbers of the runs whose results came, once the first came.
    std::vector<std::uint64_t> finishedRuns()
    {
        if (!waitFor([](const EquityUpdate& u) { return u.finished; }))
            return {};
        std::vector<std::uint64_t> runs;
        for (const auto& u : updates())
            if (u.finished)
                runs.push_back(u.run);
        return runs;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<EquityUpdate> updates_;
};

TEST(EquityWorker, DeliversTheResultOfItsRunAsComputed)
{
    Received received;
    EquityWorker worker([&](const EquityUpdate& u) { received(u); });
    const auto asked = request("AhKh", "Qh Jh 2c", 1);
    const auto run = worker.start(asked);
    ASSERT_TRUE(received.waitFor([&](const EquityUpdate& u) { return u.finished; }));
    const auto updates = received.updates();
    ASSERT_EQ(updates.back().run, run);
    EXPECT_TRUE(updates.back().finished);
    const auto direct = engine::odds::computeEquity(asked);
    EXPECT_EQ(updates.back().result.status, engine::odds::EquityStatus::Done);
    EXPECT_EQ(updates.back().result.deals, direct.deals);
    EXPECT_DOUBLE_EQ(updates.back().result.equity, direct.equity);
    for (const auto& u : updates) {
        EXPECT_EQ(u.run, run);
        EXPECT_GE(u.fraction, 0.0);
        EXPECT_LE(u.fraction, 1.0);
    }
}

TEST(EquityWorker, ANewRequestAbandonsTheRunUnderWay)
{
    Received received;
    EquityWorker worker([&](const EquityUpdate& u) { received(u); });
    const auto first = worker.start(endless());
    ASSERT_TRUE(received.waitFor([&](const EquityUpdate& u) { return u.run == first; })); // it is running
    const auto second = worker.start(request("AhKh", "Qh Jh 2c 5d", 2));
    EXPECT_GT(second, first);
    EXPECT_EQ(received.finishedRuns(), std::vector<std::uint64_t>{second});
}

TEST(EquityWorker, RequestsInQuickSuccessionEndWithTheLast)
{
    Received received;
    std::mutex mutex;
    std::vector<int> computed; // opponents of each computation begun
    EquityWorker worker([&](const EquityUpdate& u) { received(u); },
                        [&](const engine::odds::EquityRequest& r, std::stop_token stop,
                            const engine::odds::EquityProgressCallback& progress) {
                            {
                                const std::lock_guard lock(mutex);
                                computed.push_back(r.opponents);
                            }
                            return engine::odds::computeEquity(r, stop, progress);
                        });
    worker.start(endless());
    std::uint64_t last = 0;
    for (int n = 1; n <= 9; ++n)
        last = worker.start(request("AhKh", "Qh Jh 2c 5d 9s", n));
    // A run finished before the next request came is reported; the last is.
    ASSERT_TRUE(received.waitFor([&](const EquityUpdate& u) { return u.finished && u.run == last; }));
    const std::lock_guard lock(mutex);
    ASSERT_FALSE(computed.empty());
    EXPECT_EQ(computed.back(), 9);
}

TEST(EquityWorker, CancelledRunsReportNothing)
{
    Received received;
    EquityWorker worker([&](const EquityUpdate& u) { received(u); });
    const auto run = worker.start(endless());
    ASSERT_TRUE(received.waitFor([&](const EquityUpdate& u) { return u.run == run; }));
    worker.cancel();
    const auto next = worker.start(request("AhKh", "Qh Jh 2c 5d 9s", 3));
    EXPECT_EQ(received.finishedRuns(), std::vector<std::uint64_t>{next});
}

TEST(EquityWorker, GoesPromptlyInTheMiddleOfARun)
{
    Received received;
    auto worker = std::make_unique<EquityWorker>([&](const EquityUpdate& u) { received(u); });
    worker->start(endless());
    ASSERT_TRUE(received.waitFor([](const EquityUpdate&) { return true; }));
    worker.reset(); // an hour-long run: returning at all shows it was stopped
    EXPECT_FALSE(received.updates().back().finished);
}

TEST(EquityWorker, GoesPromptlyInTheMiddleOfALongExactCount)
{
    Received received;
    auto worker = std::make_unique<EquityWorker>([&](const EquityUpdate& u) { received(u); });
    for (int opponents : {4, 5, 9}) {
        auto r = request("AhKh", "Qh Jh 2c", opponents);
        r.method = engine::odds::EquityMethod::Exact; // years with five or more
        const auto run = worker->start(r);
        ASSERT_TRUE(received.waitFor([&](const EquityUpdate& u) { return u.run == run; }));
    }
    worker.reset(); // returning at all shows the count was stopped
    for (const auto& u : received.updates())
        EXPECT_FALSE(u.finished);
}

TEST(EquityWorker, EachRunDealsFromASeedOfItsOwn)
{
    Received received;
    std::mutex mutex;
    std::vector<std::uint64_t> seeds;
    EquityWorker worker([&](const EquityUpdate& u) { received(u); },
                        [&](const engine::odds::EquityRequest& r, std::stop_token,
                            const engine::odds::EquityProgressCallback&) {
                            const std::lock_guard lock(mutex);
                            seeds.push_back(r.seed);
                            return engine::odds::EquityResult{};
                        });
    const auto asked = request("AhKh", "", 1);
    for (int i = 0; i < 3; ++i) {
        const auto run = worker.start(asked);
        ASSERT_TRUE(received.waitFor([&](const EquityUpdate& u) { return u.finished && u.run == run; }));
    }
    const std::lock_guard lock(mutex);
    ASSERT_EQ(seeds.size(), 3u);
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        EXPECT_NE(seeds[i], asked.seed);
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_NE(seeds[i], seeds[j]);
    }
}

TEST(EquityWorker, GoesAtOnceWhenIdle)
{
    Received received;
    {
        EquityWorker worker([&](const EquityUpdate& u) { received(u); });
    }
    EXPECT_TRUE(received.updates().empty());
}

} // namespace
