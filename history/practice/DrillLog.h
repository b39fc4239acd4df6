#pragma once
// Where a practice session keeps what it needs across sessions: each card's
// schedule and every answer. The store keeps them in its SQLite file;
// MemoryDrillLog keeps them for one run.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/Bet.h"
#include "engine/cards/HoleCards.h"
#include "history/practice/DrillSituation.h"
#include "history/practice/Judge.h"
#include "history/practice/Sm2Scheduler.h"

namespace practice {

struct DueCard {
    CardKey key;
    CardSchedule schedule;
};

// One answered question.
struct AnswerRecord {
    CardKey key;
    std::int64_t answeredAt = 0; // seconds since 1970 (UTC)
    std::string day;             // the local date, "2026-12-09"
    int players = 0;
    std::string seat;
    engine::cards::HoleCards cards;
    Answer answer;
    engine::BetClass adviceClass = engine::BetClass::Advice;
    DrillVerdict verdict = DrillVerdict::Unscored;
    // The card's schedule after the answer; none for an unscored one, whose
    // card is left as it was.
    std::optional<CardSchedule> schedule;
};

// A situation and hand where the player's own decisions differed from the
// advice, with how often and what they cost.
struct MistakeCard {
    CardKey key;
    std::uint64_t times = 0;
    double lostBB = 0; // the losses of those hands, in big blinds, as a positive sum
};

class DrillLog {
public:
    virtual ~DrillLog() = default;
    virtual std::optional<CardSchedule> schedule(const CardKey& key) = 0;
    // Cards due at `now`, the longest due first, at most `limit`.
    virtual std::vector<DueCard> dueCards(std::int64_t now, std::size_t limit) = 0;
    // Keeps the answer and the card's new schedule together: both or neither.
    virtual void record(const AnswerRecord& answer) = 0;
};

class MemoryDrillLog : public DrillLog {
public:
    std::optional<CardSchedule> schedule(const CardKey& key) override;
    std::vector<DueCard> dueCards(std::int64_t now, std::size_t limit) override;
    void record(const AnswerRecord& answer) override;

    const std::vector<AnswerRecord>& answers() const { return answers_; }

private:
    std::map<CardKey, CardSchedule> cards_;
    std::vector<AnswerRecord> answers_;
};

} // namespace practice
