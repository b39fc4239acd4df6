#include "window/model/PreflopBoxes.h"

#include "engine/LimperCount.h"
#include "engine/Preflop.h"
#include "engine/PreflopQuery.h"
#include "platform/money/TypedAmount.h"

namespace window {

PreflopRecommendation advisePreflop(const PreflopBoxes& s, const platform::Money& money)
{
    PreflopRecommendation r;
    r.hand = engine::readHand(s.holeCards, s.suited, s.lastHand);
    const std::string_view handText = r.hand.handText.view();
    const std::optional<double> limpers = engine::limperCount(s.limpers, money);
    const std::optional<double> bb = platform::TypedAmount(money).read(s.bigBlind);
    r.bigBlindText = bb ? s.bigBlind : std::string_view("0");
    if (const int hand = engine::handIndex(handText); hand >= 0) {
        const engine::PreflopAnswer a = engine::answerPreflop({hand, s.position, s.action, limpers, bb.value_or(0.0)});
        r.group = a.group;
        r.advice = a.advice;
        r.bet = a.bet;
        return r;
    }
    r.advice = &engine::preflopAdvice(s.action, handText, s.position, limpers);
    r.bet = engine::preflopBet(s.action, handText, s.position, bb.value_or(0.0), limpers);
    return r;
}

} // namespace window
