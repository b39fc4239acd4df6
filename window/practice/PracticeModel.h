#pragma once
// The practice window without Qt: it drives a drill session in the focus the
// player chose, keeps the question asked or the answer judged, and the score
// of the window's questions. The view shows what it holds and sends it the
// player's answers.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "history/practice/DrillSession.h"
#include "platform/money/Money.h"
#include "window/practice/FocusChoice.h"
#include "window/practice/PracticeProgress.h"
#include "window/practice/PracticeRecords.h"

namespace window::practice {

enum class PracticePhase : std::uint8_t {
    Asking,  // a question waits for its answer
    Judged,  // the answer is judged; going on asks the next
    Nothing, // the focus has nothing to ask, or the records failed: message() says why
};

struct PracticeSettings {
    std::uint64_t seed = 0;
    double bigBlind = 2; // in the player's money
    std::function<std::int64_t()> clock = ::practice::nowSeconds;
};

class PracticeModel {
public:
    PracticeModel(PracticeRecords& records, const platform::Money& money, PracticeSettings settings);
    ~PracticeModel();
    PracticeModel(const PracticeModel&) = delete;
    PracticeModel& operator=(const PracticeModel&) = delete;

    // Starts over in the focus: the question waiting is dropped unanswered.
    void setFocus(const FocusChoice& focus);
    const FocusChoice& focus() const { return focus_; }

    PracticePhase phase() const { return phase_; }
    // The question asked, or the one just judged; null with Nothing.
    const ::practice::Question* question() const;
    // The judged answer; null unless Judged.
    const ::practice::AnsweredQuestion* judged() const;

    // False unless a question waits.
    bool answer(::practice::AnswerMove move, std::optional<double> raiseBB = std::nullopt);
    // Asks the next question; false unless an answer was judged.
    bool goOn();

    // Every answer given in this window, whatever the focus.
    const ::practice::DrillScore& score() const { return score_; }
    // Why nothing is asked, or what went wrong keeping an answer; empty when all is well.
    const std::string& message() const { return message_; }

    PracticeProgress progress();
    const platform::Money& money() const { return money_; }

private:
    void ask();
    void fail(const std::exception& e);

    PracticeRecords& records_;
    const platform::Money& money_;
    PracticeSettings settings_;
    FocusChoice focus_;
    std::unique_ptr<::practice::DrillSession> session_;
    std::uint64_t sessions_ = 0;
    PracticePhase phase_ = PracticePhase::Nothing;
    std::optional<::practice::Question> question_;
    std::optional<::practice::AnsweredQuestion> judged_;
    ::practice::DrillScore score_;
    std::string message_;
};

} // namespace window::practice
