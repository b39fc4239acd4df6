#pragma once
// A practice session without a window: it draws questions, judges answers
// against the advisor, schedules each card and keeps every answer in its log.
// The command line and the practice window drive it the same way:
//
//   DrillSession session(log, options, money);
//   while (const Question* q = session.next()) {   // the same question until answered
//       ... show q->scene ...
//       const AnsweredQuestion& done = session.answer({AnswerMove::Raise, 3.5});
//       ... show done.judgement ...
//   }
//   session.score();

#include <cstdint>
#include <functional>
#include <optional>

#include "history/practice/DrillLog.h"
#include "history/practice/DrillRandom.h"
#include "history/practice/DrillTime.h"
#include "history/practice/Judge.h"
#include "history/practice/QuestionPicker.h"
#include "history/practice/Scene.h"

namespace platform {
class Money;
}

namespace practice {

struct DrillOptions {
    DrillFocus focus;
    std::uint64_t seed = 0;
    double bigBlind = 2;      // in the player's money
    int count = 0;            // questions to ask; 0: no end
    std::function<std::int64_t()> clock = nowSeconds;
};

struct Question {
    int number = 0;           // from 1
    CardKey key;
    Scene scene;
    bool repeated = false;    // a card met before: due, or wrong earlier in this session
};

struct AnsweredQuestion {
    Question question;
    Answer answer;
    Judgement judgement;
    std::optional<CardSchedule> schedule; // none when unscored
};

struct DrillScore {
    int answered = 0;
    int right = 0;
    int wrong = 0;
    int unscored = 0;
};

class DrillSession {
public:
    DrillSession(DrillLog& log, DrillOptions options, const platform::Money& money);

    // The question waiting for an answer, drawn when none is; none when the
    // count is reached or the focus has nothing to ask.
    const Question* next();
    // Judges the waiting question, keeps the answer and the card's schedule in
    // the log, and clears the question. Throws std::logic_error when none waits.
    const AnsweredQuestion& answer(const Answer& answer);

    const DrillScore& score() const { return score_; }
    const std::optional<AnsweredQuestion>& lastAnswered() const { return last_; }

private:
    DrillLog& log_;
    DrillOptions options_;
    const platform::Money& money_;
    DrillRandom random_;
    QuestionPicker picker_;
    std::optional<Question> current_;
    std::optional<AnsweredQuestion> last_;
    DrillScore score_;
};

} // namespace practice
