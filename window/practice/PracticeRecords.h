#pragma once
// What the practice window keeps and reads back: the session's log (each
// card's schedule and every answer) and the progress drawn from it, with the
// mistakes the review found. The store keeps them in the review's file.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "history/practice/DrillLog.h"

namespace window::practice {

struct SituationShare {
    engine::PreflopAction action = engine::PreflopAction::Opened;
    engine::Position position = engine::Position::Early;
    std::uint64_t scored = 0; // answers judged right or wrong
    std::uint64_t right = 0;
};

struct DayShare {
    std::string day; // "2026-12-09"
    std::uint64_t scored = 0;
    std::uint64_t right = 0;
};

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
