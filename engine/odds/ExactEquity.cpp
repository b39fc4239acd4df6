#include "engine/odds/ExactEquity.h"

#include <algorithm>
#include <array>

#include "engine/odds/ExactItems.h"
#include "engine/odds/PlayersExact.h"
#include "engine/odds/SuitSymmetry.h"

namespace engine::odds {

namespace {

struct OpponentHand {
    std::uint64_t cards;
    HandRank rank;
};

// Ordered tuples of `left` more pairwise disjoint opponent hands, from index
// `from` on (each tuple once, in increasing order; the caller scales). Each
// call is a step of `stop`; false once it has seen the stop.
bool countTuples(const std::vector<OpponentHand>& hands, std::size_t from, int left, std::uint64_t used,
                 HandRank hero, HandRank best, int bestCount, std::uint64_t weight, EquityTally& tally, StopPoll& stop)
{
    if (stop.step())
        return false;
    if (left == 0) {
        tally.deals += weight;
        if (best < hero) {
            tally.wins += weight;
            tally.potUnits += weight * kPotUnits;
        } else if (best == hero) {
            tally.ties += weight;
            tally.potUnits += weight * (kPotUnits / static_cast<std::uint64_t>(bestCount + 1));
        }
        return true;
    }
    for (std::size_t i = from; i < hands.size(); ++i) {
        const OpponentHand& h = hands[i];
        if ((h.cards & used) != 0)
            continue;
        const HandRank nextBest = std::max(best, h.rank);
        const int nextCount = h.rank > best ? 1 : h.rank == best ? bestCount + 1 : bestCount;
        if (!countTuples(hands, i + 1, left - 1, used | h.cards, hero, nextBest, nextCount, weight, tally, stop))
            return false;
    }
    return true;
}

// Ordered pairs (x, y) of disjoint hands, x from class A and y from class B,
// given the class sizes, the per-card counts and whether A and B are one class.
std::uint64_t disjointPairs(std::uint64_t a, std::uint64_t b, std::uint64_t sharedCardProducts, bool same)
{
    return a * b - sharedCardProducts + (same ? a : 0);
}

} // namespace

double choose(int n, int k)
{
    if (k < 0 || k > n)
        return 0.0;
    double c = 1.0;
    for (int i = 0; i < k; ++i)
        c = c * static_cast<double>(n - i) / static_cast<double>(i + 1);
    return c;
}

ExactEquity::ExactEquity(const EquitySetup& setup) : setup_(setup)
{
    for (cards::Card c : setup.deck)
        deckKeys_.push_back(HandKey{0, 0}.plus(c));
    firstCards_ = firstCardItems(setup.missingBoardCards, static_cast<int>(setup.deck.size()));
    itemCount_ = std::max<std::uint64_t>(1, firstCards_.size());

    if (setup.missingBoardCards < 3)
        return;
    const std::uint64_t deck = maskOf(setup.deck);
    std::vector<WeightedCombos> kept = {WeightedCombos(std::span(&setup.hand, 1), {})};
    if (setup.ranged)
        kept.emplace_back(setup.combos, std::span<const double>());
    const auto group = renamingsKeeping(deck, setup.board.cards, kept);
    if (group.size() >= PlayersExact::kFewestRenamings)
        renamings_ = group;

    // Before the flop against a range of a few hands, each pair of hands
    // (up to a renaming of the suits) is counted by ranks where that is faster.
    if (setup.ranged && setup.missingBoardCards == 5) {
        headsUp_ = HeadsUpClasses::ifFaster(std::span(&setup.hand, 1), setup.combos, deck, seconds());
        if (countsHeadsUp())
            itemCount_ = headsUp_.size();
    }
}

void ExactEquity::prepare()
{
    if (renamings_.empty() || countsByFamily() || countsHeadsUp())
        return;
    families_.emplace(setup_.deck, setup_.missingBoardCards, renamings_);
    itemCount_ = std::max<std::uint64_t>(1, families_->parts());
}

double ExactEquity::seconds() const
{
    // Rates measured on one core: evaluations against a range (counted by
    // rank on the last card), evaluations of random hands, and tuples of
    // three or more opponent hands compared.
    constexpr double kRangeEvaluationsPerSecond = 350e6;
    constexpr double kRandomEvaluationsPerSecond = 200e6;
    constexpr double kTuplesPerSecond = 150e6;
    if (countsHeadsUp())
        return static_cast<double>(headsUp_.size()) * HeadsUpClasses::kSecondsPerClass;
    const int n = static_cast<int>(setup_.deck.size());
    // Families hold about as many boards as there are renamings.
    const double boards = choose(n, setup_.missingBoardCards) / static_cast<double>(std::max<std::size_t>(1, renamings_.size()));
    if (setup_.ranged)
        return boards * (1.0 + static_cast<double>(setup_.combos.size())) / kRangeEvaluationsPerSecond;
    const int rest = n - setup_.missingBoardCards;
    double tuples = 0.0;
    if (setup_.opponents >= 3) {
        tuples = 1.0;
        for (int k = 0; k < setup_.opponents; ++k)
            tuples *= choose(rest - 2 * k, 2) / static_cast<double>(k + 1);
    }
    return boards * ((1.0 + choose(rest, 2)) / kRandomEvaluationsPerSecond + tuples / kTuplesPerSecond);
}

template <typename Visit>
void ExactEquity::forEachPrefix(std::uint64_t item, Visit&& visit) const
{
    const HandKey& known = setup_.board;
    const std::size_t n = deckKeys_.size();
    const HandKey* keys = deckKeys_.data();
    const int missing = setup_.missingBoardCards;
    if (missing <= 1) {
        visit(known, 0);
        return;
    }
    const auto [i, j] = firstCards_[item];
    const HandKey one = known.plus(keys[i]);
    if (missing == 2) {
        visit(one, static_cast<std::size_t>(i) + 1);
        return;
    }
    const HandKey two = one.plus(keys[j]);
    const auto next = static_cast<std::size_t>(j) + 1;
    if (missing == 3) {
        visit(two, next);
        return;
    }
    for (std::size_t a = next; a < n; ++a) {
        const HandKey three = two.plus(keys[a]);
        if (missing == 4) {
            visit(three, a + 1);
            continue;
        }
        for (std::size_t b = a + 1; b < n; ++b)
            visit(three.plus(keys[b]), b + 1);
    }
}

EquityTally ExactEquity::run(std::uint64_t item, StopPoll& stop) const
{
    EquityTally tally;
    const std::size_t n = deckKeys_.size();
    if (countsHeadsUp()) {
        HeadsUpCount count;
        if (headsUp_[item].count(evaluator_, count, stop)) {
            tally.deals = count.boards();
            tally.wins = count.wins;
            tally.ties = count.ties;
            tally.potUnits = tally.wins * kPotUnits + tally.ties * (kPotUnits / 2);
        }
        return tally;
    }
    if (countsByFamily()) {
        if (families_->parts() == 0)
            return tally;
        if (!setup_.ranged) {
            const auto one = [&](const HandKey& cards, std::uint32_t boards) {
                if (!stop.step())
                    countAgainstRandom(setup_.board.plus(cards), tally, stop, boards);
            };
            families_->forEachIn(item, one, [&](const HandKey& prefix, std::size_t from, std::uint32_t boards) {
                for (std::size_t c = from; c < n; ++c)
                    one(prefix.plus(deckKeys_[c]), boards);
            });
            return tally;
        }
        RangeCount count(evaluator_, setup_.hand, setup_.combos, deckKeys_);
        families_->forEachIn(
            item,
            [&](const HandKey& cards, std::uint32_t boards) {
                if (!stop.step())
                    count.board(setup_.board.plus(cards), boards);
            },
            [&](const HandKey& prefix, std::size_t from, std::uint32_t boards) {
                if (!stop.step())
                    count.lastCard(setup_.board.plus(prefix), from, boards);
            });
        count.fill(tally);
        return tally;
    }
    if (!setup_.ranged) {
        forEachPrefix(item, [&](const HandKey& prefix, std::size_t from) {
            if (setup_.missingBoardCards == 0) {
                countAgainstRandom(prefix, tally, stop);
                return;
            }
            for (std::size_t c = from; c < n && !stop.step(); ++c)
                countAgainstRandom(prefix.plus(deckKeys_[c]), tally, stop);
        });
        return tally;
    }
    RangeCount count(evaluator_, setup_.hand, setup_.combos, deckKeys_);
    forEachPrefix(item, [&](const HandKey& prefix, std::size_t from) {
        if (setup_.missingBoardCards == 0)
            count.board(prefix);
        else
            count.lastCard(prefix, from);
    });
    count.fill(tally);
    return tally;
}

void ExactEquity::countAgainstRandom(const HandKey& board, EquityTally& tally, StopPoll& stop,
                                     std::uint64_t boards) const
{
    const HandRank hero = evaluator_.rank(board.plus(setup_.hand));
    std::array<HandKey, cards::kCardCount> rest;
    std::size_t n = 0;
    for (const HandKey& k : deckKeys_) {
        if ((k.cards & board.cards) == 0)
            rest[n++] = k;
    }
    const int opponents = setup_.opponents;
    std::vector<OpponentHand> hands;
    if (opponents >= 3)
        hands.reserve(n * (n - 1) / 2);
    // Per card: how many opponent hands holding it are worse than, or equal to, the hero's.
    std::array<std::uint64_t, cards::kCardCount> worse{}, equal{};
    std::uint64_t worseTotal = 0, equalTotal = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const HandKey withFirst = board.plus(rest[i]);
        for (std::size_t j = i + 1; j < n; ++j) {
            const HandRank villain = evaluator_.rank(withFirst.plus(rest[j]));
            if (opponents >= 3) {
                hands.push_back({rest[i].cards | rest[j].cards, villain});
            } else if (villain < hero) {
                ++worse[i], ++worse[j], ++worseTotal;
            } else if (villain == hero) {
                ++equal[i], ++equal[j], ++equalTotal;
            }
        }
    }
    const std::uint64_t all = n * (n - 1) / 2;
    EquityTally one;
    if (opponents == 1) {
        one.deals = all;
        one.wins = worseTotal;
        one.ties = equalTotal;
        one.potUnits = worseTotal * kPotUnits + equalTotal * (kPotUnits / 2);
        tally += one.times(boards);
        return;
    }
    if (opponents == 2) {
        std::uint64_t ww = 0, ee = 0, ew = 0;
        for (std::size_t i = 0; i < n; ++i) {
            ww += worse[i] * worse[i];
            ee += equal[i] * equal[i];
            ew += equal[i] * worse[i];
        }
        const std::uint64_t perCard = n - 1;
        const std::uint64_t deals = disjointPairs(all, all, n * perCard * perCard, true);
        const std::uint64_t bothWorse = disjointPairs(worseTotal, worseTotal, ww, true);
        const std::uint64_t oneEqual = 2 * disjointPairs(equalTotal, worseTotal, ew, false);
        const std::uint64_t bothEqual = disjointPairs(equalTotal, equalTotal, ee, true);
        one.deals = deals;
        one.wins = bothWorse;
        one.ties = oneEqual + bothEqual;
        one.potUnits = bothWorse * kPotUnits + oneEqual * (kPotUnits / 2) + bothEqual * (kPotUnits / 3);
        tally += one.times(boards);
        return;
    }
    std::uint64_t orderings = 1;
    for (int k = 2; k <= opponents; ++k)
        orderings *= static_cast<std::uint64_t>(k);
    for (std::size_t first = 0; first < hands.size(); ++first) {
        const OpponentHand& h = hands[first];
        if (!countTuples(hands, first + 1, opponents - 1, h.cards, hero, h.rank, 1, orderings * boards, tally, stop))
            return;
    }
}

} // namespace engine::odds
