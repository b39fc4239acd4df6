#include "window/practice/VerdictText.h"

#include "window/practice/SceneText.h"

namespace window::practice {

namespace {

using ::practice::DrillVerdict;

std::string advisedMoveText(engine::BetClass c)
{
    switch (c) {
    case engine::BetClass::Raise: return "raise";
    case engine::BetClass::Call: return "limp or call";
    case engine::BetClass::Fold: return "fold";
    case engine::BetClass::Advice: break;
    }
    return "read the advice";
}

std::string sizeText(const ::practice::AnsweredQuestion& done)
{
    if (!done.judgement.size || !done.answer.raiseBB)
        return {};
    const std::string yours = " Your raise of " + bigBlindsText(*done.answer.raiseBB) + " BB is ";
    switch (*done.judgement.size) {
    case history::SizeVerdict::Below: return yours + "smaller than advised.";
    case history::SizeVerdict::Within: return yours + "the size advised.";
    case history::SizeVerdict::Above: return yours + "larger than advised.";
    }
    return {};
}

} // namespace

std::string verdictLine(const ::practice::AnsweredQuestion& done)
{
    switch (done.judgement.verdict) {
    case DrillVerdict::Right: return "Right." + sizeText(done);
    case DrillVerdict::Wrong: return "Wrong: the advisor would " + advisedMoveText(done.judgement.adviceClass) + ".";
    case DrillVerdict::Unscored: break;
    }
    return "Not scored: read the advice.";
}

std::string advisedBetText(const ::practice::Judgement& judgement)
{
    return judgement.cell.bet.empty() ? "(no bet shown)" : judgement.cell.bet;
}

std::string chartCellText(const ::practice::Judgement& judgement)
{
    const engine::ChartCell& c = judgement.cell;
    const std::string group =
        c.group == engine::HandGroup::NotRanked ? std::string(engine::kNotRanked)
                                                : "group " + std::string(engine::groupText(c.group));
    return c.hand + ": " + group + ", " + std::string(engine::betClassName(c.betClass));
}

std::string chartTitle(const ::practice::Scene& scene, const platform::Money& money)
{
    const auto& s = scene.situation;
    std::string title = std::string(engine::actionName(s.action)) + ", " + std::string(engine::positionName(s.position))
        + " position, big blind " + money.amountText(scene.bigBlind);
    if (s.action == engine::PreflopAction::Limped)
        title += ", " + std::to_string(s.limpers) + (s.limpers == 1 ? " limper" : " limpers");
    return title;
}

} // namespace window::practice
