#include "engine/odds/HandEvaluator.h"

#include "engine/odds/EvaluatorTables.h"

namespace engine::odds {

HandEvaluator::HandEvaluator()
{
    const EvaluatorTables& t = EvaluatorTables::instance();
    multiplier_ = t.multiplier;
    displacement_ = t.displacement.data();
    values_ = t.values.data();
    flush_ = t.flush.data();
}

HandRank HandEvaluator::rank(cards::CardSet cards) const
{
    HandKey key;
    for (cards::Card c : cards)
        key = key.plus(c);
    return rank(key);
}

} // namespace engine::odds
