#pragma once
// Practice records kept in memory for the window's tests: the session's log
// and its progress counted from the answers it holds.

#include <stdexcept>

#include "window/practice/PracticeRecords.h"

namespace practicetest {

class MemoryRecords : public window::practice::PracticeRecords {
public:
    ::practice::DrillLog& log() override { return log_; }
    std::uint64_t answeredOn(const std::string& day) override;
    std::vector<window::practice::SituationShare> shareBySituation() override;
    std::uint64_t dueCount(std::int64_t now) override;
    std::vector<window::practice::DayShare> dailyShare(const std::string& firstDay, const std::string& lastDay) override;
    std::vector<::practice::MistakeCard> mistakes() override { return mistakes_; }

    const std::vector<::practice::AnswerRecord>& answers() const { return log_.answers(); }
    void setMistakes(std::vector<::practice::MistakeCard> m) { mistakes_ = std::move(m); }
    // Answers kept before this one are there; this and later ones fail to be kept.
    void failFrom(std::size_t answers) { failFrom_ = answers; }

private:
    class FailingLog : public ::practice::MemoryDrillLog {
    public:
        explicit FailingLog(const std::size_t& failFrom) : failFrom_(failFrom) {}
        void record(const ::practice::AnswerRecord& answer) override
        {
            if (answers().size() >= failFrom_)
                throw std::runtime_error("The disk is full: the answer was not kept.");
            MemoryDrillLog::record(answer);
        }

    private:
        const std::size_t& failFrom_;
    };

    std::size_t failFrom_ = static_cast<std::size_t>(-1);
    FailingLog log_{failFrom_};
    std::vector<::practice::MistakeCard> mistakes_;
};

} // namespace practicetest
