#include "engine/odds/RangeCount.h"

#include <bit>

namespace engine::odds {

namespace {

int rankOf(const HandKey& card)
{
    return std::countr_zero(card.cards) % cards::kSuitShift;
}

// How many of at most two cards are in the mask.
std::uint64_t cardsIn(std::uint64_t twoCards, std::uint64_t mask)
{
    const std::uint64_t both = twoCards & mask;
    return static_cast<std::uint64_t>(both != 0) + static_cast<std::uint64_t>((both & (both - 1)) != 0);
}

} // namespace

RangeCount::RangeCount(const HandEvaluator& evaluator, const HandKey& hand, const std::vector<HandKey>& combos,
                       const std::vector<HandKey>& deck)
    : evaluator_(evaluator), hand_(hand), combos_(combos), deck_(deck), rankEnd_(deck.size()),
      restOfRank_(deck.size()), restOfDeck_(deck.size()), seats_(combos.size())
{
    for (std::size_t i = deck.size(); i-- > 0;) {
        const bool last = i + 1 == deck.size();
        const bool sameAsNext = !last && rankOf(deck[i + 1]) == rankOf(deck[i]);
        rankEnd_[i] = sameAsNext ? rankEnd_[i + 1] : i + 1;
        restOfRank_[i] = deck[i].cards | (sameAsNext ? restOfRank_[i + 1] : 0);
        restOfDeck_[i] = deck[i].cards | (last ? 0 : restOfDeck_[i + 1]);
    }
}

void RangeCount::board(const HandKey& board, std::uint64_t boards)
{
    const HandRank hero = evaluator_.rank(board.plus(hand_));
    for (const HandKey& combo : combos_) {
        if ((combo.cards & board.cards) == 0)
            count(hero, evaluator_.rank(board.plus(combo)), boards);
    }
}

void RangeCount::lastCard(const HandKey& prefix, std::size_t from, std::uint64_t boards)
{
    const std::size_t n = deck_.size();
    const HandKey heroPrefix = prefix.plus(hand_);
    const bool heroMayFlush = mayFlush(heroPrefix);
    const std::uint64_t lastCards = from < n ? restOfDeck_[from] : 0;
    std::size_t seated = 0;
    bool plain = !heroMayFlush; // no flush possible, no opponent card among the last cards
    for (const HandKey& combo : combos_) {
        if ((combo.cards & prefix.cards) != 0)
            continue;
        const HandKey key = prefix.plus(combo);
        seats_[seated] = {key, combo.cards, mayFlush(key)};
        plain = plain && !seats_[seated].mayFlush && (combo.cards & lastCards) == 0;
        ++seated;
    }
    if (plain) {
        for (std::size_t first = from; first < n; first = rankEnd_[first]) {
            const HandRank hero = evaluator_.rank(heroPrefix.plus(deck_[first]));
            const std::uint64_t cardsOfRank = rankEnd_[first] - first;
            for (std::size_t s = 0; s < seated; ++s)
                count(hero, evaluator_.rank(seats_[s].prefix.plus(deck_[first])), cardsOfRank * boards);
        }
        return;
    }
    for (std::size_t first = from; first < n; first = rankEnd_[first]) {
        const std::size_t end = rankEnd_[first];
        const HandRank heroForRank = heroMayFlush ? 0 : evaluator_.rank(heroPrefix.plus(deck_[first]));
        for (std::size_t s = 0; s < seated; ++s) {
            const Seat& seat = seats_[s];
            if (!heroMayFlush && !seat.mayFlush) {
                const std::uint64_t free = (end - first) - cardsIn(seat.cards, restOfRank_[first]);
                std::size_t card = first;
                while (card < end && (deck_[card].cards & seat.cards) != 0)
                    ++card;
                if (free != 0)
                    count(heroForRank, evaluator_.rank(seat.prefix.plus(deck_[card])), free * boards);
                continue;
            }
            for (std::size_t card = first; card < end; ++card) {
                if ((deck_[card].cards & seat.cards) != 0)
                    continue;
                const HandRank hero = heroMayFlush ? evaluator_.rank(heroPrefix.plus(deck_[card])) : heroForRank;
                count(hero, evaluator_.rank(seat.prefix.plus(deck_[card])), boards);
            }
        }
    }
}

void RangeCount::fill(EquityTally& tally) const
{
    tally.deals += deals_;
    tally.wins += wins_;
    tally.ties += ties_;
    tally.potUnits += wins_ * kPotUnits + ties_ * (kPotUnits / 2);
}

} // namespace engine::odds
