#pragma once
// The schedule of each card: SuperMemo 2 (SM-2) as published by P. A.
// Wozniak, "Optimization of repetition spacing in the practice of learning",
// 1990. A grade q of 0 to 5 after each answer; the easiness factor EF starts
// at 2.5 and moves by 0.1 - (5 - q) * (0.08 + (5 - q) * 0.02), never below
// 1.3; intervals of 1 day, then 6 days, then the last interval times EF,
// rounded up. Below grade 3 the repetitions start again from the first
// interval and EF stays as it was. The published method repeats within the
// same session every item graded below 4 until it scores 4: here a wrong
// answer comes back after a few questions, and is due again ten minutes later
// should the session end first.

#include <cstdint>

namespace practice {

struct CardSchedule {
    int repetitions = 0;     // right answers in a row
    double easiness = 2.5;   // EF
    int intervalDays = 0;    // the last interval; 0 before the first right answer
    std::int64_t due = 0;    // seconds since 1970 (UTC)
    int lapses = 0;          // wrong answers in all

    friend bool operator==(const CardSchedule&, const CardSchedule&) = default;
};

class Sm2Scheduler {
public:
    static constexpr int kRightGrade = 4; // a right answer after thought
    static constexpr int kWrongGrade = 1; // wrong, the right one known once shown
    static constexpr double kFirstEasiness = 2.5;
    static constexpr double kLowestEasiness = 1.3;
    static constexpr std::int64_t kSecondsPerDay = 86400;
    static constexpr std::int64_t kRelearnSeconds = 600;
    // Questions asked in between before a wrong answer comes back.
    static constexpr int kRelearnGap = 3;

    // The schedule after an answer graded `grade` (0 to 5) at `now`.
    static CardSchedule review(const CardSchedule& card, int grade, std::int64_t now);
    static double nextEasiness(double easiness, int grade);
};

} // namespace practice
