#include "engine/PreflopQuery.h"

#include "engine/Hand.h"
#include "engine/Preflop.h"

namespace engine {

PreflopAnswer answerPreflop(const PreflopQuery& q)
{
    const std::string_view hand = handText(q.hand);
    PreflopAnswer a;
    a.group = groupOf(hand);
    a.advice = &preflopAdvice(q.action, hand, q.position, q.limpers);
    a.bet = preflopBet(q.action, hand, q.position, q.bigBlind, q.limpers);
    // The amounts again on a big blind of one, rather than divided back, so
    // that 3 x BB + 2 limpers is 5 big blinds exactly.
    const Bet inBigBlinds = preflopBet(q.action, hand, q.position, 1.0, q.limpers);
    a.lowBB = inBigBlinds.low;
    a.highBB = inBigBlinds.high;
    return a;
}

} // namespace engine
