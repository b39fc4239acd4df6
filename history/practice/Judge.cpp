#include "history/practice/Judge.h"

namespace practice {

namespace {

std::optional<AnswerMove> advisedMove(engine::BetClass c)
{
    switch (c) {
    case engine::BetClass::Raise: return AnswerMove::Raise;
    case engine::BetClass::Call: return AnswerMove::Call;
    case engine::BetClass::Fold: return AnswerMove::Fold;
    case engine::BetClass::Advice: return std::nullopt;
    }
    return std::nullopt;
}

// Amounts compared to a millionth of a big blind, as the review compares them.
history::SizeVerdict sizeAgainst(double bb, double low, double high)
{
    constexpr double kSlack = 1e-6;
    if (bb < low - kSlack)
        return history::SizeVerdict::Below;
    if (bb > high + kSlack)
        return history::SizeVerdict::Above;
    return history::SizeVerdict::Within;
}

} // namespace

engine::PreflopQuery sceneQuery(const Scene& scene)
{
    engine::PreflopQuery q;
    q.hand = scene.handIndex();
    q.position = scene.situation.position;
    q.action = scene.situation.action;
    q.limpers = scene.situation.limpers;
    q.bigBlind = scene.bigBlind;
    return q;
}

Judgement judge(const Scene& scene, const Answer& answer, const platform::Money& money)
{
    Judgement j;
    j.advice = engine::answerPreflop(sceneQuery(scene));
    j.adviceClass = j.advice.bet.betClass;

    engine::ChartSituation chart;
    chart.action = scene.situation.action;
    chart.position = scene.situation.position;
    chart.bigBlind = scene.bigBlind;
    chart.limpers = scene.situation.limpers;
    j.cell = engine::computeChart(chart, money).cells[static_cast<std::size_t>(scene.handIndex())];

    const auto advised = advisedMove(j.adviceClass);
    if (!advised) {
        j.verdict = DrillVerdict::Unscored;
        return j;
    }
    // Checking the big blind's option puts nothing in: where the advisor
    // folds, it is what he would do too (the review grades it so).
    const bool checkForFold = scene.heroCanCheck() && answer.move == AnswerMove::Call && *advised == AnswerMove::Fold;
    j.verdict = answer.move == *advised || checkForFold ? DrillVerdict::Right : DrillVerdict::Wrong;
    const auto kind = j.advice.bet.kind;
    if (j.verdict == DrillVerdict::Right && answer.move == AnswerMove::Raise && answer.raiseBB
        && (kind == engine::Bet::Kind::Amount || kind == engine::Bet::Kind::Range))
        j.size = sizeAgainst(*answer.raiseBB, j.advice.lowBB,
                             kind == engine::Bet::Kind::Range ? j.advice.highBB : j.advice.lowBB);
    return j;
}

std::string_view answerName(AnswerMove m)
{
    static constexpr std::string_view kNames[] = {"fold", "call", "raise"};
    return kNames[static_cast<std::size_t>(m)];
}

std::string_view verdictName(DrillVerdict v)
{
    static constexpr std::string_view kNames[] = {"right", "wrong", "unscored"};
    return kNames[static_cast<std::size_t>(v)];
}

} // namespace practice
