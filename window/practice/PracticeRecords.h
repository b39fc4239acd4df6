#pragma once
// What the practice window keeps and reads back: the session's log (each
// card's schedule and every answer) and the progress drawn from it, with the
// mistakes the review found. The store keeps them in the review's file, and
// its plain progress values are the window's.

#include <cstdint>
#include <string>
#include <vector>

#include "history/practice/DrillLog.h"
#include "store/DrillProgress.h"

namespace window::practice {

using store::DayShare;
using store::SituationShare;

class PracticeRecords {
public:
    virtual ~PracticeRecords() = default;

    virtual ::practice::DrillLog& log() = 0;

    virtual std::uint64_t answeredOn(const std::string& day) = 0; // unscored answers too
    virtual std::vector<SituationShare> shareBySituation() = 0;   // situations answered, by action then position
    virtual std::uint64_t dueCount(std::int64_t now) = 0;
    // The days from `firstDay` to `lastDay` with a scored answer, in order.
    virtual std::vector<DayShare> dailyShare(const std::string& firstDay, const std::string& lastDay) = 0;
    // The review's differences of the player it shows first.
    virtual std::vector<::practice::MistakeCard> mistakes() = 0;
};

} // namespace window::practice
