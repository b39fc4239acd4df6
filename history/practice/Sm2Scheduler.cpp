#include "history/practice/Sm2Scheduler.h"

#include <algorithm>
#include <cmath>

namespace practice {

double Sm2Scheduler::nextEasiness(double easiness, int grade)
{
    const double miss = 5 - std::clamp(grade, 0, 5);
    return std::max(kLowestEasiness, easiness + (0.1 - miss * (0.08 + miss * 0.02)));
}

CardSchedule Sm2Scheduler::review(const CardSchedule& card, int grade, std::int64_t now)
{
    CardSchedule next = card;
    if (grade < 3) {
        next.repetitions = 0;
        next.intervalDays = 0;
        next.due = now + kRelearnSeconds;
        ++next.lapses;
        return next;
    }
    next.easiness = nextEasiness(card.easiness, grade);
    ++next.repetitions;
    if (next.repetitions == 1)
        next.intervalDays = 1;
    else if (next.repetitions == 2)
        next.intervalDays = 6;
    else
        // The published method multiplies by the factor before this answer's change.
        next.intervalDays = static_cast<int>(std::ceil(static_cast<double>(card.intervalDays) * card.easiness - 1e-9));
    next.due = now + next.intervalDays * kSecondsPerDay;
    return next;
}

} // namespace practice
