#pragma once
// The player's progress as the practice window shows it: today's answers,
// the cards due, the share right in each situation, and the share right on
// each of the last 30 days.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "window/practice/PracticeRecords.h"

namespace window::practice {

inline constexpr int kProgressDays = 30;

struct DayPoint {
    std::string day;              // "2026-12-09"
    std::uint64_t scored = 0;
    std::optional<double> share;  // none on a day without a scored answer
};

struct PracticeProgress {
    std::uint64_t today = 0;
    std::uint64_t due = 0;
    std::vector<SituationShare> situations;
    std::vector<DayPoint> days; // kProgressDays of them, the oldest first, today last
};

PracticeProgress readProgress(PracticeRecords& records, std::int64_t now);

// "Raise, Late position: 7 of 9 right (78%)"
std::string situationShareText(const SituationShare& share);

} // namespace window::practice
