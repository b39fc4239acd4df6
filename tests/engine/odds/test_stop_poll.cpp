// The stop flag read at bounded intervals of work: a stop is seen within one
// interval of steps, never before it is set, and an exact count against
// random hands ends within one interval once the flag is set. Shared work
// stops at the item whose sum is enough, not at its waiter's next look.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

#include "engine/cards/CardParser.h"
#include "engine/cards/CardSet.h"
#include "engine/odds/EquitySetup.h"
#include "engine/odds/ExactEquity.h"
#include "engine/odds/SharedWork.h"
#include "engine/odds/StopPoll.h"

using namespace engine::odds;

namespace {

constexpr std::uint64_t kInterval = StopPoll::kStepsPerRead;

struct PollCase {
    const char* name;
    std::uint64_t setAtStep; // the flag is set just before this step
};

class StopPollCase : public testing::TestWithParam<PollCase> {};

} // namespace

TEST_P(StopPollCase, SeesTheStopWithinOneIntervalAndNotBefore)
{
    std::atomic<bool> flag{false};
    StopPoll poll(flag);
    const std::uint64_t setAt = GetParam().setAtStep;
    std::uint64_t seenAt = 0;
    for (std::uint64_t step = 0; step < setAt + 3 * kInterval; ++step) {
        if (step == setAt)
            flag.store(true);
        if (poll.step()) {
            seenAt = step;
            break;
        }
        ASSERT_LT(step + 1, setAt + 3 * kInterval) << "the stop was never seen";
    }
    EXPECT_GE(seenAt, setAt);
    EXPECT_LT(seenAt, setAt + kInterval);
    EXPECT_TRUE(poll.step()); // and it stays seen
    EXPECT_TRUE(poll.stopped());
    EXPECT_LE(poll.steps(), seenAt + 1);
}

INSTANTIATE_TEST_SUITE_P(Steps, StopPollCase, testing::Values(
    PollCase{"AtOnce", 0},
    PollCase{"AfterOneStep", 1},
    PollCase{"JustBeforeARead", kInterval - 1},
    PollCase{"AtARead", kInterval},
    PollCase{"JustAfterARead", kInterval + 1},
    PollCase{"SeveralIntervalsIn", 5 * kInterval + 17}),
    [](const testing::TestParamInfo<PollCase>& param) { return std::string(param.param.name); });

TEST(StopPoll, ReadsTheFlagAtOnceWhenAsked)
{
    std::atomic<bool> flag{false};
    StopPoll poll(flag);
    EXPECT_FALSE(poll.step());
    EXPECT_FALSE(poll.stopped());
    flag.store(true);
    EXPECT_TRUE(poll.stopped());
    EXPECT_TRUE(poll.step());
}

namespace {

struct CountCase {
    const char* name;
    const char* board;
    int opponents;
    int deckLeft; // the lowest other cards are dead until this many are left; 0: none
    bool countWhole; // small enough to count whole for comparison
};

class StoppedExactCount : public testing::TestWithParam<CountCase> {};

} // namespace

// With the flag already set, one item of the count takes at most one
// interval of steps, where the whole item would take millions or more.
TEST_P(StoppedExactCount, EndsWithinOneIntervalOfSteps)
{
    const CountCase& c = GetParam();
    EquityRequest request;
    request.hand = engine::cards::parseHoleCards("AsKs").value;
    request.board = engine::cards::parseCards(c.board).value;
    request.opponents = c.opponents;
    engine::cards::CardSet used = request.hand.set();
    for (engine::cards::Card b : request.board)
        used.insert(b);
    int left = engine::cards::kCardCount - used.size();
    for (int i = 0; c.deckLeft > 0 && left > c.deckLeft; ++i) {
        if (!used.contains(engine::cards::Card::fromIndex(i))) {
            request.dead.insert(engine::cards::Card::fromIndex(i));
            --left;
        }
    }
    const auto setup = makeEquitySetup(request);
    ASSERT_TRUE(setup.ok()) << setup.error;
    const ExactEquity exact(setup.value);

    EquityTally whole;
    if (c.countWhole) {
        std::atomic<bool> running{false};
        StopPoll unstopped(running);
        whole = exact.run(0, unstopped);
        EXPECT_GT(unstopped.steps(), kInterval);
        EXPECT_GT(whole.deals, 0u);
    }

    std::atomic<bool> stopped{true};
    StopPoll poll(stopped);
    const EquityTally tally = exact.run(0, poll);
    EXPECT_LE(poll.steps(), kInterval);
    EXPECT_TRUE(poll.stopped());
    if (c.countWhole) {
        EXPECT_LT(tally.deals, whole.deals);
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, StoppedExactCount, testing::Values(
    CountCase{"RiverThreeOpponents", "Qs7h2d3c4h", 3, 20, true},
    CountCase{"TurnFourOpponents", "Qs7h2d3c", 4, 13, true},
    CountCase{"RiverFiveOpponents", "Qs7h2d3c4h", 5, 0, false},
    CountCase{"FlopFiveOpponents", "Qs7h2d", 5, 0, false},
    CountCase{"FlopNineOpponents", "Qs7h2d", 9, 0, false}),
    [](const testing::TestParamInfo<CountCase>& param) { return std::string(param.param.name); });

namespace {

struct Count {
    std::uint64_t items = 0;
    Count& operator+=(const Count& o)
    {
        items += o.items;
        return *this;
    }
};

} // namespace

// Whoever waits looks only now and then; the workers themselves stop once
// the items summed make enough, each at most one item past it.
TEST(SharedWorkStop, StopsAtTheItemThatMakesEnough)
{
    for (int threads : {1, 2}) {
        constexpr std::uint64_t kEnough = 1000;
        SharedWork<Count> work(1'000'000);
        work.stopOnceEnough([](const Count& total) { return total.items >= kEnough; });
        work.setRunning(threads);
        std::vector<std::jthread> workers;
        for (int t = 0; t < threads; ++t)
            workers.emplace_back([&] { work.runWorker([](std::uint64_t) { return Count{1}; }); });
        workers.clear();
        Count total;
        std::uint64_t done = 0;
        EXPECT_FALSE(work.wait(total, done));
        EXPECT_GE(total.items, kEnough) << threads;
        EXPECT_LE(total.items, kEnough + static_cast<std::uint64_t>(threads) - 1) << threads;
    }
}
