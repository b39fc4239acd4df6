// The scheduler against the worked figures of SM-2 as Wozniak published it.

#include <gtest/gtest.h>

#include "history/practice/Sm2Scheduler.h"

namespace {

using practice::CardSchedule;
using practice::Sm2Scheduler;

constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kStart = 1'700'000'000;

// EF' = EF + (0.1 - (5 - q) * (0.08 + (5 - q) * 0.02)): +0.10, 0, -0.14,
// -0.32, -0.54, -0.80 for grades 5 down to 0.
TEST(Sm2Easiness, EachGradeMovesTheFactorAsPublished)
{
    const struct {
        int grade;
        double change;
    } cases[] = {{5, 0.10}, {4, 0.0}, {3, -0.14}, {2, -0.32}, {1, -0.54}, {0, -0.80}};
    for (const auto& c : cases)
        EXPECT_NEAR(Sm2Scheduler::nextEasiness(2.5, c.grade), 2.5 + c.change, 1e-12) << c.grade;
    // Never below 1.3.
    EXPECT_DOUBLE_EQ(Sm2Scheduler::nextEasiness(1.35, 3), 1.3);
    EXPECT_DOUBLE_EQ(Sm2Scheduler::nextEasiness(1.3, 0), 1.3);
}

struct AnswerRun {
    const char* name;
    std::vector<int> grades;
    std::vector<int> intervals; // days after each answer; 0 for a lapse
    double easiness;            // at the end
};

// I(1) = 1, I(2) = 6, I(n) = I(n-1) * EF rounded up; a grade below 3 starts
// the repetitions again and leaves EF as it was.
const AnswerRun kRuns[] = {
    {"steady_fours", {4, 4, 4, 4, 4}, {1, 6, 15, 38, 95}, 2.5},
    {"fives", {5, 5, 5, 5}, {1, 6, 17, 48}, 2.9},            // 6 x 2.7 = 16.2, 17 x 2.8 = 47.6
    {"threes", {3, 3, 3, 3}, {1, 6, 14, 30}, 1.94},          // 6 x 2.22 = 13.32, 14 x 2.08 = 29.12
    {"lapse_keeps_the_factor", {5, 5, 1, 4, 4, 4}, {1, 6, 0, 1, 6, 17}, 2.7}, // 6 x 2.7 = 16.2
    {"floor", {3, 3, 3, 3, 3, 3, 3, 3, 3, 3}, {1, 6, 14, 30, 59, 107, 178, 271, 374, 487}, 1.3},
};

class Sm2Runs : public ::testing::TestWithParam<AnswerRun> {};

TEST_P(Sm2Runs, IntervalsFollowTheFactor)
{
    const AnswerRun& run = GetParam();
    CardSchedule card;
    std::int64_t now = kStart;
    for (std::size_t i = 0; i < run.grades.size(); ++i) {
        card = Sm2Scheduler::review(card, run.grades[i], now);
        EXPECT_EQ(card.intervalDays, run.intervals[i]) << "answer " << i + 1;
        if (run.grades[i] < 3)
            EXPECT_EQ(card.due, now + Sm2Scheduler::kRelearnSeconds);
        else
            EXPECT_EQ(card.due, now + run.intervals[i] * kDay);
        now = card.due;
    }
    EXPECT_NEAR(card.easiness, run.easiness, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Worked, Sm2Runs, ::testing::ValuesIn(kRuns),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(Sm2Lapse, AWrongAnswerStartsAgainAndIsCounted)
{
    CardSchedule card;
    for (int i = 0; i < 3; ++i)
        card = Sm2Scheduler::review(card, Sm2Scheduler::kRightGrade, kStart);
    ASSERT_EQ(card.repetitions, 3);
    const CardSchedule lapsed = Sm2Scheduler::review(card, Sm2Scheduler::kWrongGrade, kStart + 100);
    EXPECT_EQ(lapsed.repetitions, 0);
    EXPECT_EQ(lapsed.lapses, 1);
    EXPECT_EQ(lapsed.easiness, card.easiness);
    EXPECT_EQ(lapsed.due, kStart + 100 + Sm2Scheduler::kRelearnSeconds);
}

} // namespace
