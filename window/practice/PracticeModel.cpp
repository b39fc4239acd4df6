#include "window/practice/PracticeModel.h"

namespace window::practice {

namespace {

constexpr const char* kNoMistakes =
    "The review has found no mistakes to practise yet: import your hands in View > Review Hands, or choose "
    "another focus.";
constexpr const char* kNothingToAsk = "There is nothing to ask in this focus.";

} // namespace

PracticeModel::PracticeModel(PracticeRecords& records, const platform::Money& money, PracticeSettings settings)
    : records_(records), money_(money), settings_(std::move(settings))
{
    setFocus(FocusChoice{});
}

PracticeModel::~PracticeModel() = default;

void PracticeModel::setFocus(const FocusChoice& focus)
{
    focus_ = focus;
    question_.reset();
    judged_.reset();
    message_.clear();
    phase_ = PracticePhase::Nothing;
    try {
        ::practice::DrillOptions options;
        options.focus.scope = focus.scope;
        options.focus.action = focus.action;
        options.focus.position = focus.position;
        if (focus.scope == ::practice::DrillScope::Mistakes)
            options.focus.mistakes = records_.mistakes();
        // Each session of the window draws afresh: a focus chosen again is not the same run again.
        options.seed = settings_.seed + sessions_++;
        options.bigBlind = settings_.bigBlind;
        options.clock = settings_.clock;
        session_ = std::make_unique<::practice::DrillSession>(records_.log(), std::move(options), money_);
    } catch (const std::exception& e) {
        session_.reset();
        fail(e);
        return;
    }
    ask();
}

void PracticeModel::ask()
{
    judged_.reset();
    question_.reset();
    phase_ = PracticePhase::Nothing;
    if (!session_)
        return;
    try {
        if (const ::practice::Question* q = session_->next()) {
            question_ = *q;
            phase_ = PracticePhase::Asking;
            return;
        }
    } catch (const std::exception& e) {
        fail(e);
        return;
    }
    message_ = focus_.scope == ::practice::DrillScope::Mistakes ? kNoMistakes : kNothingToAsk;
}

void PracticeModel::fail(const std::exception& e)
{
    message_ = e.what();
    phase_ = PracticePhase::Nothing;
    question_.reset();
}

const ::practice::Question* PracticeModel::question() const
{
    return question_ ? &*question_ : nullptr;
}

const ::practice::AnsweredQuestion* PracticeModel::judged() const
{
    return phase_ == PracticePhase::Judged && judged_ ? &*judged_ : nullptr;
}

bool PracticeModel::answer(::practice::AnswerMove move, std::optional<double> raiseBB)
{
    if (phase_ != PracticePhase::Asking || !session_)
        return false;
    if (move != ::practice::AnswerMove::Raise || (raiseBB && !(*raiseBB > 0)))
        raiseBB.reset();
    // The judgement is shown even when the records cannot keep it.
    ::practice::AnsweredQuestion done;
    done.question = *question_;
    done.answer = {move, raiseBB};
    done.judgement = ::practice::judge(done.question.scene, done.answer, money_);
    try {
        done = session_->answer(done.answer);
        message_.clear();
    } catch (const std::exception& e) {
        message_ = e.what();
    }
    ++score_.answered;
    switch (done.judgement.verdict) {
    case ::practice::DrillVerdict::Right: ++score_.right; break;
    case ::practice::DrillVerdict::Wrong: ++score_.wrong; break;
    case ::practice::DrillVerdict::Unscored: ++score_.unscored; break;
    }
    judged_ = std::move(done);
    phase_ = PracticePhase::Judged;
    return true;
}

bool PracticeModel::goOn()
{
    if (phase_ != PracticePhase::Judged)
        return false;
    ask();
    return true;
}

PracticeProgress PracticeModel::progress()
{
    try {
        return readProgress(records_, settings_.clock());
    } catch (const std::exception& e) {
        message_ = e.what();
    }
    return {};
}

} // namespace window::practice
