#include "history/practice/DrillSession.h"

#include <stdexcept>

namespace practice {

DrillSession::DrillSession(DrillLog& log, DrillOptions options, const platform::Money& money)
    : log_(log), options_(std::move(options)), money_(money), random_(options_.seed),
      picker_(options_.focus, random_)
{
}

const Question* DrillSession::next()
{
    if (current_)
        return &*current_;
    if (options_.count > 0 && score_.answered >= options_.count)
        return nullptr;
    const int number = score_.answered + 1;
    auto scene = picker_.pick(log_, options_.clock(), number, options_.bigBlind);
    if (!scene)
        return nullptr;
    Question q;
    q.number = number;
    q.key = CardKey{scene->situation, scene->handIndex()};
    q.repeated = log_.schedule(q.key).has_value();
    q.scene = std::move(*scene);
    current_ = std::move(q);
    return &*current_;
}

const AnsweredQuestion& DrillSession::answer(const Answer& given)
{
    if (!current_)
        throw std::logic_error("no question is waiting for an answer");
    AnsweredQuestion done;
    done.question = std::move(*current_);
    current_.reset();
    done.answer = given;
    done.judgement = judge(done.question.scene, given, money_);

    const std::int64_t now = options_.clock();
    const Scene& scene = done.question.scene;
    switch (done.judgement.verdict) {
    case DrillVerdict::Right:
        ++score_.right;
        break;
    case DrillVerdict::Wrong:
        ++score_.wrong;
        picker_.relearn(done.question.key, done.question.number);
        break;
    case DrillVerdict::Unscored:
        ++score_.unscored;
        break;
    }
    ++score_.answered;
    if (done.judgement.verdict != DrillVerdict::Unscored) {
        const CardSchedule before = log_.schedule(done.question.key).value_or(CardSchedule{});
        const int grade =
            done.judgement.verdict == DrillVerdict::Right ? Sm2Scheduler::kRightGrade : Sm2Scheduler::kWrongGrade;
        done.schedule = Sm2Scheduler::review(before, grade, now);
    }

    AnswerRecord record;
    record.key = done.question.key;
    record.answeredAt = now;
    record.day = localDay(now);
    record.players = scene.players;
    record.seat = std::string(scene.heroSeat());
    record.cards = scene.cards;
    record.answer = given;
    record.adviceClass = done.judgement.adviceClass;
    record.verdict = done.judgement.verdict;
    record.schedule = done.schedule;
    log_.record(record);

    last_ = std::move(done);
    return *last_;
}

} // namespace practice
