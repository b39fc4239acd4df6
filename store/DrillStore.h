#pragma once
// The practice drills' part of the store: each card's schedule and every
// answer, in tables of their own in the same SQLite file as the hands, so the
// drills start from the review's mistakes and a restart loses nothing. It is
// the session's log, and answers the progress the practice window shows.
// Its own connection, in WAL mode with a busy timeout: an import running in
// another connection at the same time blocks neither.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "history/practice/DrillLog.h"
#include "store/DrillProgress.h"

namespace store {

class DrillStore : public practice::DrillLog {
public:
    // Opens or creates the store and brings its schema up to date. Throws
    // StoreError with the review's messages for a damaged or newer file.
    explicit DrillStore(const std::filesystem::path& path);
    ~DrillStore() override;
    DrillStore(const DrillStore&) = delete;
    DrillStore& operator=(const DrillStore&) = delete;

    const std::filesystem::path& path() const;

    std::optional<practice::CardSchedule> schedule(const practice::CardKey& key) override;
    std::vector<practice::DueCard> dueCards(std::int64_t now, std::size_t limit) override;
    void record(const practice::AnswerRecord& answer) override;

    // Progress.
    std::uint64_t answeredOn(const std::string& day) const;         // every answer of the day, unscored too
    std::vector<SituationShare> shareBySituation() const;           // by action, then position
    std::uint64_t dueCount(std::int64_t now) const;
    // The days from `firstDay` to `lastDay` ("YYYY-MM-DD") with a scored answer, in order.
    std::vector<DayShare> dailyShare(const std::string& firstDay, const std::string& lastDay) const;
    std::vector<practice::AnswerRecord> answers() const;            // in the order given

    // The situations and hands where the review found the player's decisions
    // differing from the advice (tighter or looser), how often, and their
    // losses in big blinds. Every player's when none is named.
    std::vector<practice::MistakeCard> mistakes(const std::optional<std::string>& player) const;
    // The player whose cards are known in the most stored hands, as the review picks him.
    std::optional<std::string> mostSeenPlayer() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace store
